#include "engine/Query.h"

#include "engine/Connection.h"
#include "engine/DataSetObserver.h"
#include "engine/EngineError.h"
#include "engine/SqlValues.h"
#include "engine/SqliteHandle.h"

#include <algorithm>
#include <set>

namespace {

EngineError notEditing() {
    return EngineError(
        QStringLiteral("Il dataset non è in modifica o in inserimento: nessun dato da salvare."));
}

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

Query::Query(QString name, ComponentOwner* owner, Connection* connection)
    : Component(std::move(name), owner), m_connection(connection) {}

Query::~Query() {
    notify(DataSetEvent::Destroyed);
}

void Query::setConnection(Connection* connection) {
    close();
    m_connection = connection;
    m_statement.reset();
}

void Query::setSql(const QString& sql) {
    close();
    m_sql = sql;
    m_statement.reset();
    m_params.clear();
}

void Query::prepare() {
    if (!m_connection || !m_connection->isOpen())
        throw EngineError(QStringLiteral("La connessione al database non è aperta."));
    if (m_statement && m_statement->handle() == m_connection->handle())
        return;
    m_statement.reset();
    m_statement = std::make_unique<Statement>(m_connection->handle(), m_sql);
}

void Query::setParams(const ParamList& params) {
    try {
        prepare();
    } catch (const EngineError&) {
        // A text that cannot be prepared is reported when the query is opened.
        m_params = params;
        return;
    }
    checkParamCount(*m_statement, params, /*requireAll=*/false);
    m_params = params;
}

void Query::open() {
    if (isOpen())
        return;
    prepare();
    checkParamCount(*m_statement, m_params, /*requireAll=*/true);
    sqlite3_stmt* stmt = m_statement->get();
    m_statement->reset();
    bindParams(*m_statement, m_params);

    const int columns = sqlite3_column_count(stmt);
    std::vector<FieldInfo> fields;
    fields.reserve(size_t(columns));
    for (int c = 0; c < columns; ++c) {
        FieldInfo f;
        f.name = QString::fromUtf8(sqlite3_column_name(stmt, c));
        if (const char* t = sqlite3_column_table_name(stmt, c))
            f.originTable = QString::fromUtf8(t);
        if (const char* o = sqlite3_column_origin_name(stmt, c))
            f.originColumn = QString::fromUtf8(o);
        if (const char* d = sqlite3_column_decltype(stmt, c))
            f.type = TextConversion::typeFromDeclaration(QString::fromUtf8(d));
        fields.push_back(std::move(f));
    }

    std::vector<Row> rows = fetchRows();
    m_fields = std::move(fields);
    m_rows = std::move(rows);
    m_current = m_rows.empty() ? -1 : 0;
    m_bof = true;
    m_eof = m_rows.empty();
    m_state = DataSetState::Browse;
    m_target = findWriteTarget();
    notify(DataSetEvent::Opened);
}

std::vector<Query::Row> Query::fetchRows() {
    sqlite3_stmt* stmt = m_statement->get();
    const int columns = sqlite3_column_count(stmt);
    std::vector<Row> rows;
    try {
        while (m_statement->step())
            rows.push_back(readRow(stmt, columns));
    } catch (...) {
        m_statement->reset();
        throw;
    }
    m_statement->reset(); // releases the read lock at once
    return rows;
}

void Query::close() {
    if (!isOpen())
        return;
    m_rows.clear();
    m_fields.clear();
    m_saved.clear();
    m_current = -1;
    m_bof = m_eof = true;
    m_state = DataSetState::Closed;
    notify(DataSetEvent::Closed);
}

void Query::requireOpen() const {
    if (!isOpen())
        throw EngineError(QStringLiteral("Operazione non consentita: il dataset '%1' è chiuso.")
                              .arg(componentName()));
}

void Query::requireRow() const {
    requireOpen();
    if (m_current < 0)
        throw EngineError(QStringLiteral("Operazione non consentita: il dataset '%1' è vuoto.")
                              .arg(componentName()));
}

int Query::recordCount() const {
    requireOpen();
    return int(m_rows.size()) - (m_state == DataSetState::Insert ? 1 : 0);
}

int Query::recNo() const {
    requireOpen();
    if (m_state == DataSetState::Insert || m_current < 0)
        return -1;
    return m_current + 1;
}

void Query::checkBrowseMode() {
    if (isEditing())
        post();
}

void Query::setCurrent(int index) {
    m_current = index;
    notify(DataSetEvent::CurrentRowChanged);
}

void Query::first() {
    requireOpen();
    checkBrowseMode();
    m_bof = true;
    m_eof = m_rows.empty();
    setCurrent(m_rows.empty() ? -1 : 0);
}

void Query::last() {
    requireOpen();
    checkBrowseMode();
    m_eof = true;
    m_bof = m_rows.empty();
    setCurrent(int(m_rows.size()) - 1);
}

void Query::next() {
    requireOpen();
    checkBrowseMode();
    if (m_current + 1 < int(m_rows.size())) {
        m_bof = m_eof = false;
        setCurrent(m_current + 1);
    } else {
        m_eof = true;
        notify(DataSetEvent::CurrentRowChanged);
    }
}

void Query::prior() {
    requireOpen();
    checkBrowseMode();
    if (m_current > 0) {
        m_bof = m_eof = false;
        setCurrent(m_current - 1);
    } else {
        m_bof = true;
        notify(DataSetEvent::CurrentRowChanged);
    }
}

void Query::moveTo(int recNo) {
    requireOpen();
    checkBrowseMode();
    if (m_rows.empty())
        return;
    const int index = std::clamp(recNo - 1, 0, int(m_rows.size()) - 1);
    m_bof = index == 0;
    m_eof = index == int(m_rows.size()) - 1;
    setCurrent(index);
}

const FieldInfo& Query::fieldInfo(int index) const {
    requireOpen();
    if (index < 0 || index >= fieldCount())
        throw EngineError(QStringLiteral("Il dataset '%1' non ha un campo numero %2.")
                              .arg(componentName())
                              .arg(index));
    return m_fields[size_t(index)];
}

int Query::fieldIndex(const QString& name) const {
    for (size_t i = 0; i < m_fields.size(); ++i)
        if (sameName(m_fields[i].name, name))
            return int(i);
    return -1;
}

int Query::requireField(const QString& name) const {
    requireOpen();
    const int i = fieldIndex(name);
    if (i < 0)
        throw EngineError(
            QStringLiteral("Il dataset '%1' non ha un campo '%2'.").arg(componentName(), name));
    return i;
}

QVariant Query::value(int field) const {
    return rowValue(m_current, field);
}

QString Query::displayText(int field) const {
    return rowText(m_current, field);
}

void Query::setValue(int field, const QVariant& v) {
    fieldInfo(field);
    if (!isEditing())
        throw EngineError(
            QStringLiteral("Il dataset '%1' non è in modifica: impossibile scrivere il campo.")
                .arg(componentName()));
    const QVariant stored = storedForm(v);
    QVariant& slot = m_rows[size_t(m_current)][size_t(field)];
    if (sameValue(slot, stored))
        return;
    slot = stored;
    notify(DataSetEvent::FieldChanged, field);
}

void Query::setText(int field, const QString& text) {
    const FieldInfo& info = fieldInfo(field);
    setValue(field, TextConversion::valueFromText(text, info.type));
}

QVariant Query::rowValue(int row, int field) const {
    const FieldInfo& info = fieldInfo(field);
    if (row < 0 || row >= int(m_rows.size()))
        return QVariant();
    const QVariant& raw = m_rows[size_t(row)][size_t(field)];
    if (info.type == FieldType::Date && !raw.isNull()) {
        const QDate d = TextConversion::dateFromIso(raw.toString());
        if (d.isValid())
            return d;
    }
    return raw;
}

QString Query::rowText(int row, int field) const {
    const FieldInfo& info = fieldInfo(field);
    if (row < 0 || row >= int(m_rows.size()))
        return QString();
    return TextConversion::displayText(m_rows[size_t(row)][size_t(field)], info.type);
}

bool Query::acceptsChar(int field, QChar c) const {
    return TextConversion::acceptsChar(fieldInfo(field).type, c);
}

void Query::setState(DataSetState state) {
    if (m_state == state)
        return;
    m_state = state;
    notify(DataSetEvent::StateChanged);
}

void Query::insert() {
    requireOpen();
    checkBrowseMode();
    const int pos = m_current < 0 ? 0 : m_current;
    m_rows.insert(m_rows.begin() + pos, Row(m_fields.size()));
    m_current = pos;
    m_saved.clear();
    m_bof = m_eof = false;
    setState(DataSetState::Insert);
    notify(DataSetEvent::RowsChanged);
    notify(DataSetEvent::CurrentRowChanged);
}

void Query::edit() {
    requireOpen();
    if (isEditing())
        return;
    if (m_rows.empty()) {
        insert();
        return;
    }
    m_saved = m_rows[size_t(m_current)];
    setState(DataSetState::Edit);
}

void Query::post() {
    requireOpen();
    if (!isEditing())
        throw notEditing();
    notify(DataSetEvent::BeforePost);
    Reread fresh;
    {
        Savepoint savepoint(m_connection->handle());
        fresh = writeBack();
        savepoint.release();
    }
    if (!fresh.fields.empty()) {
        Row& row = m_rows[size_t(m_current)];
        for (size_t n = 0; n < fresh.fields.size(); ++n)
            row[size_t(fresh.fields[n])] = fresh.values[n];
        notify(DataSetEvent::FieldChanged, -1);
    }
    m_saved.clear();
    setState(DataSetState::Browse);
}

void Query::cancel() {
    if (!isEditing())
        return;
    if (m_state == DataSetState::Insert) {
        m_rows.erase(m_rows.begin() + m_current);
        if (m_current >= int(m_rows.size()))
            m_current = int(m_rows.size()) - 1;
        m_eof = m_rows.empty();
        m_bof = m_bof || m_rows.empty();
        setState(DataSetState::Browse);
        notify(DataSetEvent::RowsChanged);
    } else {
        m_rows[size_t(m_current)] = m_saved;
        setState(DataSetState::Browse);
    }
    m_saved.clear();
    notify(DataSetEvent::CurrentRowChanged);
}

void Query::remove() {
    requireOpen();
    if (m_state == DataSetState::Insert) {
        cancel();
        return;
    }
    requireRow();
    const int keyField = requireKeyField();
    const QString& table = m_target.table;
    const QString& key = m_target.key;
    if (m_state == DataSetState::Edit)
        m_rows[size_t(m_current)] = m_saved;
    const QVariant keyValue = m_rows[size_t(m_current)][size_t(keyField)];

    Statement del(m_connection->handle(), QStringLiteral("DELETE FROM %1 WHERE %2 = ?")
                                              .arg(quoteIdentifier(table), quoteIdentifier(key)));
    bindValue(del, 1, keyValue);
    try {
        del.step();
    } catch (const EngineError& e) {
        if (e.code() != SQLITE_CONSTRAINT_FOREIGNKEY)
            throw;
        throw EngineError(QStringLiteral("L'elemento è ancora usato in una o più uscite o prede: "
                                         "non può essere eliminato."),
                          e.code());
    }

    m_rows.erase(m_rows.begin() + m_current);
    if (m_current >= int(m_rows.size()))
        m_current = int(m_rows.size()) - 1;
    m_eof = m_current < 0 || m_current == int(m_rows.size()) - 1;
    m_bof = m_current <= 0;
    m_saved.clear();
    setState(DataSetState::Browse);
    notify(DataSetEvent::RowsChanged);
    notify(DataSetEvent::CurrentRowChanged);
}

Query::WriteTarget Query::findWriteTarget() const {
    WriteTarget target;
    for (const FieldInfo& f : m_fields) {
        if (!f.originTable.isEmpty()) {
            target.table = f.originTable;
            break;
        }
    }
    if (target.table.isEmpty()) {
        target.problem = QStringLiteral("Il dataset '%1' non è aggiornabile: i suoi campi non "
                                        "vengono da una tabella.")
                             .arg(componentName());
        return target;
    }
    Statement info(m_connection->handle(),
                   QStringLiteral("SELECT name FROM pragma_table_info(?) WHERE pk > 0"));
    bindValue(info, 1, target.table);
    QStringList keys;
    while (info.step())
        keys << QString::fromUtf8(
            reinterpret_cast<const char*>(sqlite3_column_text(info.get(), 0)));
    if (keys.size() != 1) {
        target.problem = QStringLiteral("La tabella '%1' non ha una chiave semplice: il dataset "
                                        "'%2' non è aggiornabile.")
                             .arg(target.table, componentName());
        return target;
    }
    target.key = keys.front();
    for (size_t i = 0; i < m_fields.size(); ++i)
        if (sameName(m_fields[i].originTable, target.table) &&
            sameName(m_fields[i].originColumn, target.key))
            target.keyField = int(i);
    return target;
}

const Query::WriteTarget& Query::writeTarget() const {
    if (!m_target.problem.isEmpty())
        throw EngineError(m_target.problem);
    return m_target;
}

int Query::requireKeyField() const {
    const WriteTarget& target = writeTarget();
    if (target.keyField < 0)
        throw EngineError(QStringLiteral("Il dataset '%1' non contiene la chiave '%2' della "
                                         "tabella '%3': non è aggiornabile.")
                              .arg(componentName(), target.key, target.table));
    return target.keyField;
}

Query::Reread Query::writeBack() {
    const QString& table = writeTarget().table;
    const QString& key = m_target.key;
    const Row& row = m_rows[size_t(m_current)];
    const bool inserting = m_state == DataSetState::Insert;

    // One column per origin column of the table, first field wins; never the key.
    std::vector<int> written;
    std::set<QString> seen;
    for (size_t i = 0; i < m_fields.size(); ++i) {
        const FieldInfo& f = m_fields[i];
        if (!sameName(f.originTable, table) || sameName(f.originColumn, key))
            continue;
        if (!seen.insert(f.originColumn.toLower()).second)
            continue;
        const bool include = inserting ? !row[i].isNull() : !sameValue(row[i], m_saved[i]);
        if (include)
            written.push_back(int(i));
    }

    if (inserting) {
        QStringList columns, marks;
        for (int i : written) {
            columns << quoteIdentifier(m_fields[size_t(i)].originColumn);
            marks << QStringLiteral("?");
        }
        const QString sql =
            written.empty()
                ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoteIdentifier(table))
                : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                      .arg(quoteIdentifier(table), columns.join(QLatin1String(", ")),
                           marks.join(QLatin1String(", ")));
        Statement ins(m_connection->handle(), sql);
        for (size_t n = 0; n < written.size(); ++n)
            bindValue(ins, int(n) + 1, row[size_t(written[n])]);
        ins.step();
        const qlonglong rowid = sqlite3_last_insert_rowid(m_connection->handle()->db());
        return reread(QStringLiteral("rowid"), rowid);
    }

    if (written.empty())
        return {};
    const int keyField = requireKeyField();
    QStringList assignments;
    for (int i : written)
        assignments << quoteIdentifier(m_fields[size_t(i)].originColumn) + QStringLiteral(" = ?");
    Statement upd(m_connection->handle(),
                  QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?")
                      .arg(quoteIdentifier(table), assignments.join(QLatin1String(", ")),
                           quoteIdentifier(key)));
    int n = 1;
    for (int i : written)
        bindValue(upd, n++, row[size_t(i)]);
    bindValue(upd, n, row[size_t(keyField)]);
    upd.step();
    if (sqlite3_changes(m_connection->handle()->db()) == 0)
        throw EngineError(QStringLiteral("Il record da aggiornare non esiste più nella tabella "
                                         "'%1'.")
                              .arg(table));
    return reread(key, row[size_t(keyField)]);
}

Query::Reread Query::reread(const QString& keyColumn, const QVariant& keyValue) const {
    const QString& table = m_target.table;
    Reread result;
    QStringList columns;
    for (size_t i = 0; i < m_fields.size(); ++i) {
        if (sameName(m_fields[i].originTable, table)) {
            result.fields.push_back(int(i));
            columns << quoteIdentifier(m_fields[i].originColumn);
        }
    }
    Statement sel(
        m_connection->handle(),
        QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?")
            .arg(columns.join(QLatin1String(", ")), quoteIdentifier(table),
                 keyColumn == QLatin1String("rowid") ? keyColumn : quoteIdentifier(keyColumn)));
    bindValue(sel, 1, keyValue);
    if (!sel.step())
        throw EngineError(QStringLiteral("Il record appena salvato non si ritrova nella tabella "
                                         "'%1': il salvataggio è stato annullato.")
                              .arg(table));
    result.values = readRow(sel.get(), int(result.fields.size()));
    return result;
}

void Query::requery() {
    if (!isOpen())
        return;
    const int keyField = m_target.problem.isEmpty() ? m_target.keyField : -1;
    const QVariant key = (keyField >= 0 && m_current >= 0)
                             ? m_rows[size_t(m_current)][size_t(keyField)]
                             : QVariant();
    // The rows are read again in place: the fields stay, so controls showing the same values
    // see no change.
    prepare();
    m_statement->reset();
    bindParams(*m_statement, m_params);
    std::vector<Row> rows = fetchRows();
    m_rows = std::move(rows);
    m_saved.clear();
    m_state = DataSetState::Browse;
    int current = m_rows.empty() ? -1 : 0;
    for (size_t r = 0; keyField >= 0 && !key.isNull() && r < m_rows.size(); ++r)
        if (sameValue(m_rows[r][size_t(keyField)], key))
            current = int(r);
    m_bof = current <= 0;
    m_eof = current < 0 || current + 1 == int(m_rows.size());
    notify(DataSetEvent::RowsChanged);
    setCurrent(current);
}

void Query::addObserver(DataSetObserver* observer) {
    if (std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end())
        m_observers.push_back(observer);
}

void Query::removeObserver(DataSetObserver* observer) {
    m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), observer),
                      m_observers.end());
}

void Query::notify(DataSetEvent event, int field) {
    const auto observers = m_observers; // an observer may unregister while being told
    for (DataSetObserver* o : observers)
        if (std::find(m_observers.begin(), m_observers.end(), o) != m_observers.end())
            o->dataSetEvent(*this, event, field);
}
