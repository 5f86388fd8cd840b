#include "widgets/DataSource.h"

#include "engine/Query.h"

#include <algorithm>

DataSource::DataSource(QString name, ComponentOwner* owner, Query* dataSet)
    : Component(std::move(name), owner) {
    setObjectName(componentName());
    setDataSet(dataSet);
}

DataSource::~DataSource() {
    if (m_dataSet)
        m_dataSet->removeObserver(this);
}

void DataSource::setDataSet(Query* dataSet) {
    if (dataSet == m_dataSet)
        return;
    if (m_dataSet)
        m_dataSet->removeObserver(this);
    m_dataSet = dataSet;
    if (m_dataSet)
        m_dataSet->addObserver(this);
    emit dataSetChanged();
}

bool DataSource::isActive() const {
    return m_dataSet && m_dataSet->isOpen();
}

void DataSource::addPendingEditor(PendingEditor* editor) {
    if (std::find(m_editors.begin(), m_editors.end(), editor) == m_editors.end())
        m_editors.push_back(editor);
}

void DataSource::removePendingEditor(PendingEditor* editor) {
    m_editors.erase(std::remove(m_editors.begin(), m_editors.end(), editor), m_editors.end());
}

void DataSource::dataSetEvent(Query&, DataSetEvent event, int field) {
    switch (event) {
    case DataSetEvent::Opened:
    case DataSetEvent::Closed:
        emit activeChanged();
        break;
    case DataSetEvent::CurrentRowChanged:
    case DataSetEvent::RowsChanged:
        emit rowChanged();
        break;
    case DataSetEvent::FieldChanged:
        emit fieldChanged(field);
        break;
    case DataSetEvent::StateChanged:
        emit stateChanged();
        break;
    case DataSetEvent::BeforePost: {
        const auto editors = m_editors;
        for (PendingEditor* e : editors)
            e->writePending(); // may throw: the post stops
        break;
    }
    case DataSetEvent::Destroyed:
        m_dataSet = nullptr;
        emit dataSetChanged();
        break;
    }
}
