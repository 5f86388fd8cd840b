#pragma once

#include "engine/Component.h"
#include "engine/ObserverList.h"
#include "engine/TextConversion.h"

#include <QString>
#include <QVariant>
#include <memory>
#include <vector>

class Connection;
class DataSetObserver;
class RowWriter;
class Statement;
struct QueryShape;
enum class DataSetEvent;

enum class DataSetState { Closed, Browse, Edit, Insert };

// One result column: the name it comes back under, where it comes from, its type.
struct FieldInfo {
    QString name;
    QString originTable;  // empty for an expression column
    QString originColumn; // idem
    FieldType type = FieldType::Unknown;
};

using ParamList = std::vector<QVariant>;

// A dataset over one SELECT: a client-side cursor holding every row in memory, with a
// current row, edit states, field access with conversion, and observers. Rows are written
// back to the table the columns come from by a RowWriter.
//
// Parameters are positional: element i of the list goes to the i-th parameter of the
// text in order of appearance. Any move of the current row posts pending changes first
// and does not move when that post fails. Closing discards pending changes.
class Query : public Component {
public:
    explicit Query(QString name = {}, ComponentOwner* owner = nullptr,
                   Connection* connection = nullptr);
    ~Query() override;

    void setConnection(Connection* connection);
    Connection* connection() const { return m_connection; }

    // Setting a new text drops the parameter values bound to the old one.
    void setSql(const QString& sql);
    const QString& sql() const { return m_sql; }
    // Binding more values than the text has parameters is an EngineError (when the text can
    // be prepared; otherwise opening reports what is wrong with the text).
    void setParams(const ParamList& params);
    const ParamList& params() const { return m_params; }

    void open();
    void close();
    bool isOpen() const { return m_state != DataSetState::Closed; }
    DataSetState state() const { return m_state; }
    bool isEditing() const {
        return m_state == DataSetState::Edit || m_state == DataSetState::Insert;
    }

    // Rows stored in the table: a row being inserted is not counted.
    int recordCount() const;
    // 1-based number of the current row; -1 while inserting or when there is no row.
    int recNo() const;
    bool isEmpty() const { return m_rows.empty(); }
    bool bof() const { return m_bof; }
    bool eof() const { return m_eof; }

    void first();
    void prior();
    void next();
    void last();
    // Makes the 1-based row current (posting first), clamped to the rows there are.
    void moveTo(int recNo);

    int fieldCount() const { return int(fields().size()); }
    const FieldInfo& fieldInfo(int index) const;
    // Index of the field named so, letter case ignored; -1 when there is none.
    int fieldIndex(const QString& name) const;
    // Like fieldIndex, but an EngineError names the missing field.
    int requireField(const QString& name) const;

    // Values of the current row: null QVariant when missing; dates as QDate.
    QVariant value(int field) const;
    QVariant value(const QString& name) const { return value(requireField(name)); }
    QString displayText(int field) const;
    QString displayText(const QString& name) const { return displayText(requireField(name)); }
    // Writing needs Edit or Insert state. Dates may be given as QDate.
    void setValue(int field, const QVariant& value);
    void setValue(const QString& name, const QVariant& v) { setValue(requireField(name), v); }
    // Converts typed text (ConversionError when it cannot be) and stores it.
    void setText(int field, const QString& text);
    void setText(const QString& name, const QString& t) { setText(requireField(name), t); }
    bool acceptsChar(int field, QChar c) const;

    // Rows as held in memory, a row being inserted included, read without moving the cursor
    // (for grids and lists). `row` is 0-based.
    int bufferedRowCount() const { return int(m_rows.size()); }
    int currentIndex() const { return m_current; }
    QVariant rowValue(int row, int field) const;
    QString rowText(int row, int field) const;

    // Insert puts an empty row at the current position; edit on an empty dataset inserts.
    void insert();
    void edit();
    void post();
    void cancel();
    // Removes the current row from its table and from the dataset.
    void remove();
    // Reads the rows again and makes the row with the current row's key current again, so a
    // row just saved stands in its sorted place. Pending changes are dropped.
    void requery();

    void addObserver(DataSetObserver* observer);
    void removeObserver(DataSetObserver* observer);

private:
    using Row = std::vector<QVariant>;

    void requireOpen() const;
    void requireRow() const;
    void prepare();
    std::vector<Row> fetchRows(); // runs the prepared, bound statement to its end
    void notify(DataSetEvent event, int field = -1);
    void setState(DataSetState state);
    void checkBrowseMode(); // posts pending changes, as every move does first
    void setCurrent(int index);
    // Takes the current row out of the buffer (a cancelled insert, a deleted row): the next
    // row becomes current, or the last one when it was the last.
    void dropCurrentRow();
    RowWriter writer() const;
    const std::vector<FieldInfo>& fields() const;

    Connection* m_connection = nullptr;
    QString m_sql;
    ParamList m_params;
    std::unique_ptr<Statement> m_statement;

    DataSetState m_state = DataSetState::Closed;
    std::vector<Row> m_rows;
    int m_current = -1;
    bool m_bof = true;
    bool m_eof = true;
    Row m_saved;                               // the current row as stored, while editing
    std::shared_ptr<const QueryShape> m_shape; // fields and write-back target, while open

    ObserverList m_observers;
};
