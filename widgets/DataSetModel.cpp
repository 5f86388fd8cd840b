#include "widgets/DataSetModel.h"

#include "engine/Query.h"

DataSetModel::DataSetModel(QObject* parent) : QAbstractTableModel(parent) {
    connect(&m_link, &DataLink::dataSetReset, this, &DataSetModel::rebuild);
    connect(&m_link, &DataLink::rowMoved, this, &DataSetModel::onRowChanged);
    connect(&m_link, &DataLink::stateChanged, this, &DataSetModel::onRowChanged);
    connect(&m_link, &DataLink::fieldChanged, this, [this] {
        Query* q = activeDataSet();
        if (q && q->currentIndex() >= 0)
            emit dataChanged(index(q->currentIndex(), 0),
                             index(q->currentIndex(), columnCount() - 1));
    });
}

void DataSetModel::setDataSource(DataSource* source) {
    m_link.setDataSource(source);
}

void DataSetModel::rebuild() {
    beginResetModel();
    m_titles.clear();
    Query* q = activeDataSet();
    if (q)
        for (int i = 0; i < q->fieldCount(); ++i)
            m_titles << q->fieldInfo(i).name;
    m_rows = q ? q->bufferedRowCount() : 0;
    endResetModel();
    emit columnsRebuilt();
    emit currentRowMoved(q ? q->currentIndex() : -1);
}

void DataSetModel::onRowChanged() {
    Query* q = activeDataSet();
    const int rows = q ? q->bufferedRowCount() : 0;
    if (rows != m_rows) {
        beginResetModel();
        m_rows = rows;
        endResetModel();
    } else if (rows > 0) {
        emit dataChanged(index(0, 0), index(rows - 1, columnCount() - 1));
    }
    emit headerDataChanged(Qt::Vertical, 0, qMax(0, rows - 1));
    emit currentRowMoved(q ? q->currentIndex() : -1);
}

int DataSetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int DataSetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_titles.size());
}

QVariant DataSetModel::data(const QModelIndex& index, int role) const {
    Query* q = activeDataSet();
    if (!q || !index.isValid() || index.row() >= q->bufferedRowCount() ||
        index.column() >= q->fieldCount())
        return QVariant();
    if (role == Qt::DisplayRole)
        return q->rowText(index.row(), index.column());
    return QVariant();
}

QVariant DataSetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Horizontal)
        return section < m_titles.size() ? QVariant(m_titles[section]) : QVariant();
    Query* q = activeDataSet();
    if (m_rowIndicator && q && section == q->currentIndex())
        return q->isEditing() ? QStringLiteral("I") : QStringLiteral("\u25B6");
    return QString();
}

void DataSetModel::setColumnTitle(int column, const QString& title) {
    if (column < 0 || column >= m_titles.size())
        return;
    m_titles[column] = title;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

QString DataSetModel::fieldName(int column) const {
    Query* q = activeDataSet();
    return (q && column >= 0 && column < q->fieldCount()) ? q->fieldInfo(column).name : QString();
}
