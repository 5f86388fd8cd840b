#include "tests/support/ScriptedMessages.h"

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
    switch (request.buttons) {
    case MessageButtons::YesNo:
        m_unscripted << request.text;
        return MessageAnswer::No;
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel:
        m_unscripted << request.text;
        return MessageAnswer::Cancel;
    default:
        return MessageAnswer::Ok;
    }
}

const QList<MessageRequest>& ScriptedMessages::shown() const {
    m_examined = m_shown.size();
    return m_shown;
}

QStringList ScriptedMessages::texts() const {
    QStringList t;
    for (const MessageRequest& r : shown())
        t << r.text;
    return t;
}

void ScriptedMessages::clear() {
    m_shown.clear();
    m_unscripted.clear();
    m_examined = 0;
}

QStringList ScriptedMessages::unexpected() const {
    QStringList u;
    for (qsizetype i = m_examined; i < m_shown.size(); ++i)
        u << QStringLiteral("box not looked at: ") + m_shown[i].text;
    if (m_examined < m_shown.size())
        for (const QString& q : m_unscripted)
            u << QStringLiteral("question with no scripted answer: ") + q;
    return u;
}
