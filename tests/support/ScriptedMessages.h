#pragma once

#include "data/MessageSeam.h"

#include <QList>
#include <QStringList>
#include <functional>

// The message seam for tests: records every box and answers from a script. Installed for
// the lifetime of the object. A box counts as expected once the test has looked at it
// (shown(), texts(), clear()); a question asked with no answer scripted gets the answer that
// changes nothing (No, Cancel) and counts as unexpected until the test looks at it too.
// unexpected() lists what a test never looked at, for the fixture to fail the test with.
class ScriptedMessages : public MessageSeam {
public:
    ScriptedMessages();
    ~ScriptedMessages() override;

    MessageAnswer show(const MessageRequest& request) override;

    void answerNext(MessageAnswer answer) { m_answers.append(answer); }
    const QList<MessageRequest>& shown() const;
    QStringList texts() const;
    void clear();
    // Boxes shown that the test never looked at, and questions nobody scripted an answer to.
    QStringList unexpected() const;
    // Runs as each box is shown, for a test to look at the program at that moment.
    std::function<void(const MessageRequest&)> onShow;

private:
    MessageSeam* m_previous;
    QList<MessageRequest> m_shown;
    QList<MessageAnswer> m_answers;
    QStringList m_unscripted;
    mutable qsizetype m_examined = 0;
};
