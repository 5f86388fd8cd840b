#include "engine/SqliteHandle.h"

#include "engine/EngineError.h"
#include "engine/QueryShapeCache.h"

#include <utility>

SqliteHandle::SqliteHandle(sqlite3* db) : m_db(db) {}

SqliteHandle::~SqliteHandle() {
    m_shapes.reset(); // takes its hook off the database before it closes
    sqlite3_close_v2(m_db);
}

QueryShapeCache& SqliteHandle::shapes() {
    if (!m_shapes)
        m_shapes = std::make_unique<QueryShapeCache>(m_db);
    return *m_shapes;
}

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
    // The engine's own words are English and name tables and columns: the user reads what
    // happened and what to do instead.
    Q_UNUSED(fallback);
    const int extended = (rc > 0xff || !db) ? rc : sqlite3_extended_errcode(db);
    QString sentence;
    switch (extended) {
    case SQLITE_CONSTRAINT_FOREIGNKEY:
        sentence = QStringLiteral("Il valore scelto non esiste più nel suo elenco: sceglierne "
                                  "un altro e salvare di nuovo.");
        break;
    case SQLITE_CONSTRAINT_NOTNULL:
        sentence = QStringLiteral("Manca un valore obbligatorio: compilarlo e salvare di nuovo.");
        break;
    case SQLITE_CONSTRAINT_UNIQUE:
    case SQLITE_CONSTRAINT_PRIMARYKEY:
        sentence = QStringLiteral("Esiste già un elemento con questo valore: sceglierne un altro.");
        break;
    default:
        break;
    }
    if (sentence.isEmpty()) {
        switch (rc & 0xff) {
        case SQLITE_CONSTRAINT:
            sentence = QStringLiteral("Il database ha rifiutato un valore non ammesso: "
                                      "correggerlo e salvare di nuovo.");
            break;
        case SQLITE_READONLY:
            sentence = QStringLiteral("L'archivio è in sola lettura: le modifiche non possono "
                                      "essere salvate.");
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
        case SQLITE_FULL:
            sentence = QStringLiteral("Il disco è pieno: liberare spazio e riprovare.");
            break;
        case SQLITE_IOERR:
            sentence = QStringLiteral("Errore di lettura o scrittura del file del database.");
            break;
        case SQLITE_ERROR:
            sentence = QStringLiteral("Il testo di una query non è valido per questo database: "
                                      "controllare il file qry.ini nella cartella del programma.");
            break;
        default:
            sentence = QStringLiteral("Il database non ha potuto completare l'operazione "
                                      "(codice %1).")
                           .arg(rc);
            break;
        }
    }
    EngineError error(sentence, extended);
    if (db)
        error.setEngineDetail(QString::fromUtf8(sqlite3_errmsg(db)));
    return error;
}
