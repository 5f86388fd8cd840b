#pragma once

#include "widgets/DataLink.h"

#include <QAbstractTableModel>
#include <QStringList>

class Query;

// The rows of a data source's dataset as a table, one column per field in the query's order.
// Column titles start as the field names and are rebuilt whenever the dataset reopens or
// another one is attached.
class DataSetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit DataSetModel(QObject* parent = nullptr);

    void setDataSource(DataSource* source);
    DataSource* dataSource() const { return m_link.dataSource(); }
    Query* activeDataSet() const { return m_link.activeDataSet(); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void setColumnTitle(int column, const QString& title);
    QString fieldName(int column) const;
    void setRowIndicator(bool on) { m_rowIndicator = on; }

signals:
    void columnsRebuilt();
    void currentRowMoved(int row); // -1: none

private:
    void rebuild();
    void onRowChanged();

    DataLink m_link;
    QStringList m_titles;
    int m_rows = 0;
    bool m_rowIndicator = false;
};
