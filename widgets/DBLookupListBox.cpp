#include "widgets/DBLookupListBox.h"

#include "engine/Query.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

DBLookupListBox::DBLookupListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(&m_list, &FieldLink::resetNeeded, this, &DBLookupListBox::rebuild);
    connect(&m_list, &FieldLink::refreshNeeded, this, &DBLookupListBox::rebuild);
}

void DBLookupListBox::clearKeyValue() {
    m_key = QVariant();
    m_rebuilding = true;
    setCurrentItem(nullptr);
    clearSelection();
    m_rebuilding = false;
}

void DBLookupListBox::setKeyField(const QString& field) {
    m_keyField = field;
    rebuild();
}

void DBLookupListBox::rebuild() {
    m_rebuilding = true;
    clear();
    Query* list = m_list.activeDataSet();
    const int shown = m_list.fieldIndex();
    const int key = list ? list->fieldIndex(m_keyField) : -1;
    if (list && shown >= 0 && key >= 0) {
        for (int row = 0; row < list->bufferedRowCount(); ++row) {
            auto* item = new QListWidgetItem(list->rowText(row, shown), this);
            item->setData(Qt::UserRole, list->rowValue(row, key));
            if (!m_key.isNull() && item->data(Qt::UserRole) == m_key)
                setCurrentItem(item);
        }
    }
    m_rebuilding = false;
}

void DBLookupListBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        event->accept();
        if (m_popup)
            m_popup->popup(event->globalPosition().toPoint());
        return;
    }
    QListWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        if (QListWidgetItem* item = itemAt(event->position().toPoint()))
            m_key = item->data(Qt::UserRole);
}

void DBLookupListBox::keyPressEvent(QKeyEvent* event) {
    QListWidget::keyPressEvent(event);
    if (QListWidgetItem* item = currentItem(); item && item->isSelected())
        m_key = item->data(Qt::UserRole);
}

void DBLookupListBox::mouseDoubleClickEvent(QMouseEvent* event) {
    QListWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}
