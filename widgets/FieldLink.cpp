#include "widgets/FieldLink.h"

#include "engine/Query.h"
#include "widgets/DataSource.h"

void FieldLink::setDataSource(DataSource* source) {
    for (const auto& c : m_connections)
        disconnect(c);
    m_connections.clear();
    m_source = source;
    if (source) {
        m_connections << connect(source, &DataSource::dataSetChanged, this, &FieldLink::resetNeeded)
                      << connect(source, &DataSource::activeChanged, this, &FieldLink::resetNeeded)
                      << connect(source, &DataSource::rowChanged, this, &FieldLink::resetNeeded)
                      << connect(source, &DataSource::stateChanged, this, &FieldLink::refreshNeeded)
                      << connect(source, &DataSource::fieldChanged, this, [this](int field) {
                             if (field < 0 || field == fieldIndex())
                                 emit refreshNeeded();
                         });
    }
    emit dataSourceChanged();
    emit resetNeeded();
}

void FieldLink::setDataField(const QString& field) {
    m_field = field;
    emit resetNeeded();
}

Query* FieldLink::activeDataSet() const {
    if (!m_source || !m_source->isActive())
        return nullptr;
    return m_source->dataSet();
}

int FieldLink::fieldIndex() const {
    Query* q = activeDataSet();
    return q ? q->fieldIndex(m_field) : -1;
}

bool FieldLink::startEditing() {
    Query* q = activeDataSet();
    if (!q || fieldIndex() < 0)
        return false;
    q->edit();
    return true;
}

QList<FieldLink::Choice> FieldLink::choices(const QString& keyField) const {
    QList<Choice> result;
    Query* q = activeDataSet();
    const int shown = fieldIndex();
    const int key = q ? q->fieldIndex(keyField) : -1;
    if (!q || shown < 0 || key < 0)
        return result;
    for (int row = 0; row < q->bufferedRowCount(); ++row)
        result.append({q->rowText(row, shown), q->rowValue(row, key)});
    return result;
}
