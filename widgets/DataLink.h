#pragma once

#include "widgets/DataSource.h"

#include <QList>
#include <QObject>
#include <QPointer>

class Query;

// The link every data-aware piece holds to its data source: it follows the source (which
// may be re-pointed or destroyed) and repeats its events as its own signals, so controls,
// grid models and navigators listen to one object whatever source they are given.
class DataLink : public QObject {
    Q_OBJECT
public:
    explicit DataLink(QObject* parent = nullptr) : QObject(parent) {}

    virtual void setDataSource(DataSource* source);
    DataSource* dataSource() const { return m_source; }
    // The attached dataset when it is open, else null.
    Query* activeDataSet() const;

signals:
    // Another dataset was attached, or the dataset opened or closed.
    void dataSetReset();
    // Another row is current, or rows were added or removed.
    void rowMoved();
    void stateChanged();
    void fieldChanged(int field); // -1: every field of the current row

private:
    QPointer<DataSource> m_source;
    QList<QMetaObject::Connection> m_connections;
};
