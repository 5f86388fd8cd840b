#include "engine/ObserverList.h"

#include "engine/DataSetObserver.h"

#include <algorithm>

bool ObserverList::contains(const DataSetObserver* observer) const {
    return std::find(m_observers.begin(), m_observers.end(), observer) != m_observers.end();
}

void ObserverList::add(DataSetObserver* observer) {
    if (!contains(observer))
        m_observers.push_back(observer);
}

void ObserverList::remove(DataSetObserver* observer) {
    m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), observer),
                      m_observers.end());
}

void ObserverList::tell(Query& dataSet, DataSetEvent event, int field) const {
    // A copy, since the list may change under the loop; each one is asked again whether it
    // is still there before it is told.
    const auto observers = m_observers;
    for (DataSetObserver* o : observers)
        if (contains(o))
            o->dataSetEvent(dataSet, event, field);
}
