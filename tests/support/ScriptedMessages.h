#pragma once

#include "data/MessageSeam.h"

#include <QList>
#include <functional>

// The message seam for tests: records every box and answers from a script. Installed for
// the lifetime of the object; unscripted questions get their affirmative answer.
class ScriptedMessages : public MessageSeam {
public:
    ScriptedMessages();
    ~ScriptedMessages() override;

    MessageAnswer show(const MessageRequest& request) override;

    void answerNext(MessageAnswer answer) { m_answers.append(answer); }
    const QList<MessageRequest>& shown() const { return m_shown; }
    QStringList texts() const;
    void clear() { m_shown.clear(); }
    // Runs as each box is shown, for a test to look at the program at that moment.
    std::function<void(const MessageRequest&)> onShow;

private:
    MessageSeam* m_previous;
    QList<MessageRequest> m_shown;
    QList<MessageAnswer> m_answers;
};
