#pragma once

class Query;

// What a dataset tells the controls and data sources that watch it.
enum class DataSetEvent {
    Opened,
    Closed,
    CurrentRowChanged, // another row became current
    RowsChanged,       // rows were inserted or removed
    FieldChanged,      // a value of the current row changed (field index given)
    StateChanged,      // Browse / Edit / Insert changed
    BeforePost,        // write any pending typed text into the row now (may throw)
    Destroyed,         // the dataset is going away: drop every pointer to it
};

// Receives a dataset's events. Observers unregister themselves before they go away; a
// dataset that goes first sends Destroyed.
class DataSetObserver {
public:
    virtual ~DataSetObserver() = default;
    virtual void dataSetEvent(Query& dataSet, DataSetEvent event, int fieldIndex) = 0;
};
