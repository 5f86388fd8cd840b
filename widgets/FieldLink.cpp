#include "widgets/FieldLink.h"

#include "engine/Query.h"

FieldLink::FieldLink(QObject* parent) : DataLink(parent) {
    connect(this, &DataLink::dataSetReset, this, &FieldLink::resetNeeded);
    connect(this, &DataLink::rowMoved, this, &FieldLink::resetNeeded);
    connect(this, &DataLink::stateChanged, this, &FieldLink::refreshNeeded);
    connect(this, &DataLink::fieldChanged, this, [this](int field) {
        if (field < 0 || field == fieldIndex())
            emit refreshNeeded();
    });
}

void FieldLink::setDataField(const QString& field) {
    m_field = field;
    emit resetNeeded();
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
