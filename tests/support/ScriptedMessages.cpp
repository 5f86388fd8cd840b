#include "tests/support/ScriptedMessages.h"

#include <QStringList>

ScriptedMessages::ScriptedMessages() : m_previous(installMessageSeam(this)) {}

ScriptedMessages::~ScriptedMessages() {
    installMessageSeam(m_previous);
}

MessageAnswer ScriptedMessages::show(const MessageRequest& request) {
    m_shown.append(request);
    if (onShow)
        onShow(request);
    if (!m_answers.isEmpty())
        return m_answers.takeFirst();
    return request.buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
}

QStringList ScriptedMessages::texts() const {
    QStringList t;
    for (const MessageRequest& r : m_shown)
        t << r.text;
    return t;
}
