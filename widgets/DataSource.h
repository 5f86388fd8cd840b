#pragma once

#include "engine/Component.h"
#include "engine/DataSetObserver.h"

#include <QObject>
#include <vector>

class Query;

// Something holding typed text not yet written into its field (an edit box being typed in).
class PendingEditor {
public:
    virtual ~PendingEditor() = default;
    // Writes the pending text into the current row; a ConversionError stops the post.
    virtual void writePending() = 0;
};

// Links data-aware controls to a dataset. It turns the dataset's events into Qt signals for
// the controls, and before every post asks the controls holding typed text to write it.
// A data module owns it as a component; it can be re-pointed at another dataset.
class DataSource : public QObject, public Component, private DataSetObserver {
    Q_OBJECT
public:
    explicit DataSource(QString name, ComponentOwner* owner = nullptr, Query* dataSet = nullptr);
    ~DataSource() override;

    Query* dataSet() const { return m_dataSet; }
    void setDataSet(Query* dataSet);
    // True when a dataset is attached and open.
    bool isActive() const;

    void addPendingEditor(PendingEditor* editor);
    void removePendingEditor(PendingEditor* editor);

signals:
    void dataSetChanged();        // another dataset attached
    void activeChanged();         // opened or closed
    void rowChanged();            // another row is current, or rows were added or removed
    void fieldChanged(int field); // -1: every field of the current row
    void stateChanged();

private:
    void dataSetEvent(Query& dataSet, DataSetEvent event, int field) override;

    Query* m_dataSet = nullptr;
    std::vector<PendingEditor*> m_editors;
};
