#pragma once

#include <vector>

class DataSetObserver;
class Query;
enum class DataSetEvent;

// The observers of one dataset, told of its events in the order they came. An observer may
// leave (or make another leave) while it is being told: one that has left hears nothing more
// of that event, and one that joins hears the next event, not this one.
class ObserverList {
public:
    void add(DataSetObserver* observer);
    void remove(DataSetObserver* observer);
    void tell(Query& dataSet, DataSetEvent event, int field) const;

private:
    bool contains(const DataSetObserver* observer) const;

    std::vector<DataSetObserver*> m_observers;
};
