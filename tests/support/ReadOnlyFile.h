#pragma once

#include <QFile>
#include <QProcess>
#include <QString>

// Makes a file impossible to write while it lives: permission bits for a plain user, the
// immutable attribute for root (whom permission bits do not stop). `ok()` is false where
// neither works; the test should then skip.
class ReadOnlyFile {
public:
    explicit ReadOnlyFile(QString path) : m_path(std::move(path)) {
        m_root = QProcess::execute(
                     QStringLiteral("sh"),
                     {QStringLiteral("-c"), QStringLiteral("test \"$(id -u)\" -eq 0")}) == 0;
        if (m_root)
            m_ok = QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), m_path}) == 0;
        else
            m_ok = QFile::setPermissions(m_path, QFile::ReadOwner | QFile::ReadGroup);
    }
    ~ReadOnlyFile() {
        if (m_root)
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), m_path});
        else
            QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner);
    }
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;
    bool ok() const { return m_ok; }

private:
    QString m_path;
    bool m_root = false;
    bool m_ok = false;
};
