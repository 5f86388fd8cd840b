#include "engine/Query.h"

#include "engine/Connection.h"
#include "engine/DataSetObserver.h"
#include "engine/EngineError.h"
#include "engine/QueryShape.h"
#include "engine/QueryShapeCache.h"
#include "engine/RowWriter.h"
#include "engine/SqlValues.h"
#include "engine/SqliteHandle.h"

#include <algorithm>

namespace {

EngineError notEditing() {
    return EngineError(
        QStringLiteral("Il dataset non è in modifica o in inserimento: nessun dato da salvare."));
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

const std::vector<FieldInfo> kNoFields;

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
    m_statement->reset();
    bindParams(*m_statement, m_params);
    QueryShapeCache& shapes = m_statement->handle()->shapes();
    sqlite3_stmt* stmt = m_statement->get();
    std::shared_ptr<const QueryShape> shape;
    std::vector<Row> rows;
    // A statement is prepared again at its first step when the schema changed since it was
    // prepared (through another connection too): its columns may have changed with it, so
    // both the shape and the rows read with the old column count are taken again.
    for (int attempt = 0;; ++attempt) {
        shape = shapes.shapeOf(*m_statement, m_sql);
        const int prepared = sqlite3_stmt_status(stmt, SQLITE_STMTSTATUS_REPREPARE, 0);
        rows = fetchRows();
        if (sqlite3_stmt_status(stmt, SQLITE_STMTSTATUS_REPREPARE, 0) == prepared || attempt == 2)
            break;
        shapes.forget(m_sql);
        bindParams(*m_statement, m_params);
    }
    m_shape = std::move(shape);
    m_rows = std::move(rows);
    m_current = m_rows.empty() ? -1 : 0;
    m_bof = true;
    m_eof = m_rows.size() <= 1; // a single row is both the first and the last
    m_state = DataSetState::Browse;
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
    m_shape.reset();
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
    m_eof = m_rows.size() <= 1;
    setCurrent(m_rows.empty() ? -1 : 0);
}

void Query::last() {
    requireOpen();
    checkBrowseMode();
    m_eof = true;
    m_bof = m_rows.size() <= 1;
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
    return fields()[size_t(index)];
}

int Query::fieldIndex(const QString& name) const {
    const std::vector<FieldInfo>& all = fields();
    for (size_t i = 0; i < all.size(); ++i)
        if (sameName(all[i].name, name))
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
    m_rows.insert(m_rows.begin() + pos, Row(fields().size()));
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
    const Row& row = m_rows[size_t(m_current)];
    const Reread fresh = writer().post(row, m_state == DataSetState::Edit ? &m_saved : nullptr);
    if (!fresh.fields.empty()) {
        Row& stored = m_rows[size_t(m_current)];
        for (size_t n = 0; n < fresh.fields.size(); ++n)
            stored[size_t(fresh.fields[n])] = fresh.values[n];
        notify(DataSetEvent::FieldChanged, -1);
    }
    m_saved.clear();
    setState(DataSetState::Browse);
}

void Query::dropCurrentRow() {
    m_rows.erase(m_rows.begin() + m_current);
    if (m_current >= int(m_rows.size()))
        m_current = int(m_rows.size()) - 1;
    // Where the cursor now stands tells both ends, however it came there.
    m_bof = m_current <= 0;
    m_eof = m_current < 0 || m_current == int(m_rows.size()) - 1;
    m_saved.clear();
    setState(DataSetState::Browse);
    notify(DataSetEvent::RowsChanged);
}

void Query::cancel() {
    if (!isEditing())
        return;
    if (m_state == DataSetState::Insert) {
        dropCurrentRow();
    } else {
        m_rows[size_t(m_current)] = m_saved;
        m_saved.clear();
        setState(DataSetState::Browse);
    }
    notify(DataSetEvent::CurrentRowChanged);
}

void Query::remove() {
    requireOpen();
    if (m_state == DataSetState::Insert) {
        cancel();
        return;
    }
    requireRow();
    const RowWriter rows = writer();
    rows.requireKeyField();
    if (m_state == DataSetState::Edit)
        m_rows[size_t(m_current)] = m_saved;
    rows.remove(m_rows[size_t(m_current)], m_connection->kind().rowInUse);
    dropCurrentRow();
    notify(DataSetEvent::CurrentRowChanged);
}

RowWriter Query::writer() const {
    return RowWriter(m_connection->handle(), m_shape->fields, m_shape->target, componentName());
}

const std::vector<FieldInfo>& Query::fields() const {
    return m_shape ? m_shape->fields : kNoFields;
}

void Query::requery() {
    if (!isOpen())
        return;
    const WriteTarget& target = m_shape->target;
    const int keyField = target.problem == WriteTarget::Problem::None ? target.keyField : -1;
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
    m_observers.add(observer);
}

void Query::removeObserver(DataSetObserver* observer) {
    m_observers.remove(observer);
}

void Query::notify(DataSetEvent event, int field) {
    m_observers.tell(*this, event, field);
}
