#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

// The one error type of the data engine. Its message is what the user reads in the
// general error box, so it is Italian where the engine adds words of its own.
class EngineError : public std::exception {
public:
    explicit EngineError(QString message, int code = 0);
    const QString& message() const noexcept { return m_message; }
    // The database engine's (extended) result code behind the error; 0 for the engine's own.
    int code() const noexcept { return m_code; }
    const char* what() const noexcept override { return m_utf8.constData(); }
    // The database engine's own English words behind the error, for the program to tell
    // causes apart (a missing table); never shown to the user. Empty for the engine's own.
    const QString& engineDetail() const noexcept { return m_detail; }
    void setEngineDetail(const QString& detail) { m_detail = detail; }

private:
    QString m_message;
    QByteArray m_utf8;
    int m_code;
    QString m_detail;
};

// A typed text that cannot become the field's value (a bad date, a non-number).
// Callers catch it apart from every other engine error, so it is a type of its own.
class ConversionError : public EngineError {
public:
    using EngineError::EngineError;
};
