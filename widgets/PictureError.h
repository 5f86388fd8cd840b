#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

// A picture file that cannot be shown: missing, unreadable, damaged, of an unknown kind or
// too large. The message is Italian and names the file.
class PictureError : public std::exception {
public:
    explicit PictureError(QString message)
        : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}
    const QString& message() const noexcept { return m_message; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};
