#include "engine/SqliteHandle.h"

#include "engine/EngineError.h"

#include <utility>

Statement::Statement(std::shared_ptr<SqliteHandle> handle, const QString& sql)
    : m_handle(std::move(handle)) {
    const QByteArray utf8 = sql.toUtf8();
    const char* tail = nullptr;
    const int rc =
        sqlite3_prepare_v2(m_handle->db(), utf8.constData(), int(utf8.size()), &m_stmt, &tail);
    if (rc != SQLITE_OK) {
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
        throw sqliteError(m_handle->db(), rc);
    }
    if (!m_stmt)
        throw EngineError(QStringLiteral("Il testo della query è vuoto: '%1'").arg(sql));
    // A second statement after the first would be silently ignored; refuse it instead.
    // What follows may be blanks, semicolons or comments, which prepare to nothing.
    if (tail && *tail) {
        sqlite3_stmt* next = nullptr;
        const int tailRc = sqlite3_prepare_v2(m_handle->db(), tail, -1, &next, nullptr);
        const bool another = tailRc != SQLITE_OK || next != nullptr;
        sqlite3_finalize(next);
        if (another) {
            sqlite3_finalize(m_stmt);
            m_stmt = nullptr;
            throw EngineError(
                QStringLiteral("Il testo della query contiene più di un'istruzione: '%1'")
                    .arg(sql));
        }
    }
}

Statement::~Statement() {
    sqlite3_finalize(m_stmt);
}

bool Statement::step() {
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    // Leave the statement reusable and report the error sqlite3_step found.
    sqlite3_reset(m_stmt);
    throw sqliteError(m_handle->db(), rc);
}

void Statement::reset() {
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

EngineError sqliteError(sqlite3* db, int rc) {
    return sqliteError(db, rc, QString());
}

EngineError sqliteError(sqlite3* db, int rc, const QString& fallback) {
    QString engineText = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString();
    if (engineText.isEmpty() || engineText == QLatin1String("not an error"))
        engineText = fallback.isEmpty() ? QString::fromUtf8(sqlite3_errstr(rc)) : fallback;
    QString sentence;
    switch (rc & 0xff) {
    case SQLITE_CONSTRAINT:
        sentence = QStringLiteral("Il database ha rifiutato l'operazione: il dato è usato "
                                  "altrove oppure non è ammesso.");
        break;
    case SQLITE_READONLY:
        sentence = QStringLiteral("Il database è di sola lettura: impossibile salvare le "
                                  "modifiche.");
        break;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        sentence = QStringLiteral("Il database è bloccato da un altro programma: riprovare "
                                  "più tardi.");
        break;
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        sentence = QStringLiteral("Il file non è un database valido oppure è danneggiato.");
        break;
    case SQLITE_CANTOPEN:
        sentence = QStringLiteral("Impossibile aprire il file del database.");
        break;
    default:
        break;
    }
    return EngineError(sentence.isEmpty() ? engineText
                                          : sentence + QStringLiteral("\n") + engineText);
}
