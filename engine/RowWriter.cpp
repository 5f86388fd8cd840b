#include "engine/RowWriter.h"

#include "engine/EngineError.h"
#include "engine/SqlValues.h"

#include <QStringList>
#include <set>

namespace {

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The writes of one post and the re-read that follows them stand or fall together: unless
// released, the savepoint is rolled back when it goes out of scope.
class Savepoint {
public:
    explicit Savepoint(std::shared_ptr<SqliteHandle> handle) : m_handle(std::move(handle)) {
        run("SAVEPOINT query_post");
    }
    ~Savepoint() {
        if (m_open) {
            sqlite3_exec(m_handle->db(), "ROLLBACK TO query_post", nullptr, nullptr, nullptr);
            sqlite3_exec(m_handle->db(), "RELEASE query_post", nullptr, nullptr, nullptr);
        }
    }
    Savepoint(const Savepoint&) = delete;
    Savepoint& operator=(const Savepoint&) = delete;
    void release() {
        run("RELEASE query_post");
        m_open = false;
    }

private:
    void run(const char* sql) {
        Statement statement(m_handle, QString::fromLatin1(sql));
        statement.step();
    }

    std::shared_ptr<SqliteHandle> m_handle;
    bool m_open = true;
};

} // namespace

WriteTarget WriteTarget::find(const std::shared_ptr<SqliteHandle>& handle,
                              const std::vector<FieldInfo>& fields) {
    WriteTarget target;
    for (const FieldInfo& f : fields) {
        if (!f.originTable.isEmpty()) {
            target.table = f.originTable;
            break;
        }
    }
    if (target.table.isEmpty()) {
        target.problem = Problem::NoTable;
        return target;
    }
    Statement info(handle, QStringLiteral("SELECT name FROM pragma_table_info(?) WHERE pk > 0"));
    bindValue(info, 1, target.table);
    QStringList keys;
    while (info.step())
        keys << QString::fromUtf8(
            reinterpret_cast<const char*>(sqlite3_column_text(info.get(), 0)));
    if (keys.size() != 1) {
        target.problem = Problem::NoSimpleKey;
        return target;
    }
    target.key = keys.front();
    for (size_t i = 0; i < fields.size(); ++i)
        if (sameName(fields[i].originTable, target.table) &&
            sameName(fields[i].originColumn, target.key))
            target.keyField = int(i);
    return target;
}

RowWriter::RowWriter(const std::shared_ptr<SqliteHandle>& handle,
                     const std::vector<FieldInfo>& fields, const WriteTarget& target,
                     const QString& dataSetName)
    : m_handle(handle), m_fields(fields), m_target(target), m_name(dataSetName) {}

void RowWriter::requireWritable() const {
    switch (m_target.problem) {
    case WriteTarget::Problem::None:
        return;
    case WriteTarget::Problem::NoTable:
        throw EngineError(QStringLiteral("Il dataset '%1' non è aggiornabile: i suoi campi non "
                                         "vengono da una tabella.")
                              .arg(m_name));
    case WriteTarget::Problem::NoSimpleKey:
        throw EngineError(QStringLiteral("La tabella '%1' non ha una chiave semplice: il dataset "
                                         "'%2' non è aggiornabile.")
                              .arg(m_target.table, m_name));
    }
}

int RowWriter::requireKeyField() const {
    requireWritable();
    if (m_target.keyField < 0)
        throw EngineError(QStringLiteral("Il dataset '%1' non contiene la chiave '%2' della "
                                         "tabella '%3': non è aggiornabile.")
                              .arg(m_name, m_target.key, m_target.table));
    return m_target.keyField;
}

Reread RowWriter::post(const Row& row, const Row* saved) const {
    requireWritable();
    Savepoint savepoint(m_handle);
    Reread fresh = saved ? update(row, *saved) : insert(row);
    savepoint.release();
    return fresh;
}

std::vector<int> RowWriter::writtenFields(const Row& row, const Row* saved) const {
    // One column per origin column of the table, first field wins; never the key. A new row
    // writes what it holds, an edited one what changed.
    std::vector<int> written;
    std::set<QString> seen;
    for (size_t i = 0; i < m_fields.size(); ++i) {
        const FieldInfo& f = m_fields[i];
        if (!sameName(f.originTable, m_target.table) || sameName(f.originColumn, m_target.key))
            continue;
        if (!seen.insert(f.originColumn.toLower()).second)
            continue;
        const bool include = saved ? !sameValue(row[i], (*saved)[i]) : !row[i].isNull();
        if (include)
            written.push_back(int(i));
    }
    return written;
}

Reread RowWriter::insert(const Row& row) const {
    const std::vector<int> written = writtenFields(row, nullptr);
    const QString table = quoteIdentifier(m_target.table);
    QStringList columns, marks;
    for (int i : written) {
        columns << quoteIdentifier(m_fields[size_t(i)].originColumn);
        marks << QStringLiteral("?");
    }
    const QString sql = written.empty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table)
                                        : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                              .arg(table, columns.join(QLatin1String(", ")),
                                                   marks.join(QLatin1String(", ")));
    Statement ins(m_handle, sql);
    for (size_t n = 0; n < written.size(); ++n)
        bindValue(ins, int(n) + 1, row[size_t(written[n])]);
    ins.step();
    return reread(QStringLiteral("rowid"), sqlite3_last_insert_rowid(m_handle->db()));
}

Reread RowWriter::update(const Row& row, const Row& saved) const {
    const std::vector<int> written = writtenFields(row, &saved);
    if (written.empty())
        return {};
    const int keyField = requireKeyField();
    QStringList assignments;
    for (int i : written)
        assignments << quoteIdentifier(m_fields[size_t(i)].originColumn) + QStringLiteral(" = ?");
    Statement upd(m_handle,
                  QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?")
                      .arg(quoteIdentifier(m_target.table), assignments.join(QLatin1String(", ")),
                           quoteIdentifier(m_target.key)));
    int n = 1;
    for (int i : written)
        bindValue(upd, n++, row[size_t(i)]);
    bindValue(upd, n, row[size_t(keyField)]);
    upd.step();
    if (sqlite3_changes(m_handle->db()) == 0)
        throw EngineError(QStringLiteral("Il record da aggiornare non esiste più nella tabella "
                                         "'%1'.")
                              .arg(m_target.table));
    return reread(m_target.key, row[size_t(keyField)]);
}

Reread RowWriter::reread(const QString& keyColumn, const QVariant& keyValue) const {
    Reread result;
    QStringList columns;
    for (size_t i = 0; i < m_fields.size(); ++i) {
        if (sameName(m_fields[i].originTable, m_target.table)) {
            result.fields.push_back(int(i));
            columns << quoteIdentifier(m_fields[i].originColumn);
        }
    }
    Statement sel(
        m_handle,
        QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?")
            .arg(columns.join(QLatin1String(", ")), quoteIdentifier(m_target.table),
                 keyColumn == QLatin1String("rowid") ? keyColumn : quoteIdentifier(keyColumn)));
    bindValue(sel, 1, keyValue);
    if (!sel.step())
        throw EngineError(QStringLiteral("Il record appena salvato non si ritrova nella tabella "
                                         "'%1': il salvataggio è stato annullato.")
                              .arg(m_target.table));
    result.values = readRow(sel.get(), int(result.fields.size()));
    return result;
}

void RowWriter::remove(const Row& row, const QString& inUse) const {
    const int keyField = requireKeyField();
    Statement del(m_handle,
                  QStringLiteral("DELETE FROM %1 WHERE %2 = ?")
                      .arg(quoteIdentifier(m_target.table), quoteIdentifier(m_target.key)));
    bindValue(del, 1, row[size_t(keyField)]);
    try {
        del.step();
    } catch (const EngineError& e) {
        if (e.code() != SQLITE_CONSTRAINT_FOREIGNKEY)
            throw;
        throw EngineError(inUse, e.code());
    }
}
