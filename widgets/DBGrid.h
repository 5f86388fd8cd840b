#pragma once

#include <QTableView>

class DataSource;
class DataSetModel;

// A read-only grid over a data source: one column per field in the query's order, rebuilt
// on every reopen and change of data source (titles, widths and visibility then start
// afresh). Selecting a row moves the dataset, which posts first. Ctrl+Delete asks the grid's
// own question and deletes the current row.
class DBGrid : public QTableView {
    Q_OBJECT
public:
    struct Options {
        bool titles = true;
        bool rowIndicator = true;
        bool columnLines = true;
        bool rowLines = true;
    };
    static const QString kDeleteQuestion;

    explicit DBGrid(QWidget* parent = nullptr);

    void setDataSource(DataSource* source);
    DataSource* dataSource() const;
    void setOptions(const Options& options);
    const Options& options() const { return m_options; }

    // Columns by position, or by the exact field name (letter case included); -1 if none.
    int columnOfField(const QString& exactName) const;
    void setColumnTitle(int column, const QString& title);
    QString columnTitle(int column) const;
    void setColumnVisible(int column, bool visible) { setColumnHidden(column, !visible); }
    bool isColumnVisible(int column) const { return !isColumnHidden(column); }

signals:
    // The columns were rebuilt (the dataset reopened or another was attached).
    void columnsRebuilt();
    // The grid deleted the current row after its own question.
    void rowDeleted();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void onCurrentRowMoved(int row);
    void onViewRowChanged(const QModelIndex& current);

    DataSetModel* m_model;
    Options m_options;
    bool m_syncing = false;
};
