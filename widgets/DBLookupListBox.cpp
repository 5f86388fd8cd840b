#include "widgets/DBLookupListBox.h"

#include "engine/Query.h"

#include <QMenu>
#include <QMouseEvent>

DBLookupListBox::DBLookupListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(&m_list, &FieldLink::resetNeeded, this, &DBLookupListBox::rebuild);
    connect(&m_list, &FieldLink::refreshNeeded, this, &DBLookupListBox::rebuild);
}

void DBLookupListBox::setKeyField(const QString& field) {
    m_keyField = field;
    rebuild();
}

void DBLookupListBox::rebuild() {
    const QVariant kept = keyValue();
    clear();
    Query* list = m_list.activeDataSet();
    const int shown = m_list.fieldIndex();
    const int key = list ? list->fieldIndex(m_keyField) : -1;
    if (!list || shown < 0 || key < 0)
        return;
    for (int row = 0; row < list->bufferedRowCount(); ++row) {
        auto* item = new QListWidgetItem(list->rowText(row, shown), this);
        item->setData(Qt::UserRole, list->rowValue(row, key));
        if (!kept.isNull() && item->data(Qt::UserRole) == kept)
            setCurrentItem(item);
    }
}

QVariant DBLookupListBox::keyValue() const {
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? QVariant() : selected.front()->data(Qt::UserRole);
}

void DBLookupListBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        event->accept();
        if (m_popup)
            m_popup->popup(event->globalPosition().toPoint());
        return;
    }
    QListWidget::mousePressEvent(event);
}

void DBLookupListBox::mouseDoubleClickEvent(QMouseEvent* event) {
    QListWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}
