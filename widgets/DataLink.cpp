#include "widgets/DataLink.h"

#include "engine/Query.h"

void DataLink::setDataSource(DataSource* source) {
    for (const auto& c : m_connections)
        disconnect(c);
    m_connections.clear();
    m_source = source;
    if (source) {
        m_connections << connect(source, &DataSource::dataSetChanged, this, &DataLink::dataSetReset)
                      << connect(source, &DataSource::activeChanged, this, &DataLink::dataSetReset)
                      << connect(source, &DataSource::rowChanged, this, &DataLink::rowMoved)
                      << connect(source, &DataSource::stateChanged, this, &DataLink::stateChanged)
                      << connect(source, &DataSource::fieldChanged, this, &DataLink::fieldChanged);
    }
    emit dataSetReset();
}

Query* DataLink::activeDataSet() const {
    if (!m_source || !m_source->isActive())
        return nullptr;
    return m_source->dataSet();
}
