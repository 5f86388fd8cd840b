#include "widgets/DBGrid.h"

#include "data/MessageSeam.h"
#include "engine/Query.h"
#include "widgets/DataSetModel.h"
#include "widgets/ErrorGuard.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QStyledItemDelegate>

const QString DBGrid::kDeleteQuestion = QStringLiteral("Delete record?");

namespace {

// Draws the row and column lines the grid's options ask for, each on its own.
class GridLinesDelegate : public QStyledItemDelegate {
public:
    GridLinesDelegate(const DBGrid::Options& options, QObject* parent)
        : QStyledItemDelegate(parent), m_options(options) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        painter->save();
        painter->setPen(option.palette.color(QPalette::Mid));
        if (m_options.rowLines)
            painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
        if (m_options.columnLines)
            painter->drawLine(option.rect.topRight(), option.rect.bottomRight());
        painter->restore();
    }

private:
    const DBGrid::Options& m_options;
};

} // namespace

DBGrid::DBGrid(QWidget* parent) : QTableView(parent), m_model(new DataSetModel(this)) {
    setModel(m_model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(false);
    setItemDelegate(new GridLinesDelegate(m_options, this));
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    verticalHeader()->setFixedWidth(14);
    setOptions(m_options);
    connect(m_model, &DataSetModel::currentRowMoved, this, &DBGrid::onCurrentRowMoved);
    connect(m_model, &DataSetModel::columnsRebuilt, this, [this] {
        for (int c = 0; c < m_model->columnCount(); ++c)
            setColumnHidden(c, false);
        emit columnsRebuilt();
    });
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { onViewRowChanged(current); });
}

void DBGrid::setDataSource(DataSource* source) {
    m_model->setDataSource(source);
}

DataSource* DBGrid::dataSource() const {
    return m_model->dataSource();
}

void DBGrid::setOptions(const Options& options) {
    m_options = options;
    horizontalHeader()->setVisible(options.titles);
    verticalHeader()->setVisible(options.rowIndicator);
    m_model->setRowIndicator(options.rowIndicator);
    viewport()->update();
}

int DBGrid::columnOfField(const QString& exactName) const {
    for (int c = 0; c < m_model->columnCount(); ++c)
        if (m_model->fieldName(c) == exactName)
            return c;
    return -1;
}

void DBGrid::setColumnTitle(int column, const QString& title) {
    m_model->setColumnTitle(column, title);
}

QString DBGrid::columnTitle(int column) const {
    return m_model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
}

void DBGrid::onCurrentRowMoved(int row) {
    const QScopedValueRollback syncing(m_syncing, true);
    if (row < 0) {
        selectionModel()->clearSelection();
    } else {
        const QModelIndex target = m_model->index(row, qMax(0, currentIndex().column()));
        selectionModel()->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect |
                                                      QItemSelectionModel::Rows);
        scrollTo(target);
    }
}

void DBGrid::onViewRowChanged(const QModelIndex& current) {
    if (m_syncing || !current.isValid())
        return;
    Query* q = m_model->activeDataSet();
    if (!q || q->currentIndex() == current.row())
        return;
    Guarded([&] { q->moveTo(current.row() + 1); });
    // If the post before the move failed, show the row the dataset is still on.
    if (q->isOpen() && q->currentIndex() != current.row())
        onCurrentRowMoved(q->currentIndex());
}

void DBGrid::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete && (event->modifiers() & Qt::ControlModifier)) {
        event->accept();
        Query* q = m_model->activeDataSet();
        if (!q || q->bufferedRowCount() == 0)
            return;
        const MessageAnswer answer =
            showMessage({MessageKind::Confirmation, QStringLiteral("Confirm"), kDeleteQuestion,
                         MessageButtons::OkCancel});
        if (answer == MessageAnswer::Ok)
            Guarded([&] {
                q->remove();
                emit rowDeleted();
            });
        return;
    }
    QTableView::keyPressEvent(event);
}
