#include "widgets/DBLookupListBox.h"

#include "engine/Query.h"

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QToolTip>

DBLookupListBox::DBLookupListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(&m_list, &FieldLink::resetNeeded, this, &DBLookupListBox::rebuild);
    connect(&m_list, &FieldLink::refreshNeeded, this, &DBLookupListBox::rebuild);
}

void DBLookupListBox::clearKeyValue() {
    m_key = QVariant();
    const QScopedValueRollback rebuilding(m_rebuilding, true);
    setCurrentItem(nullptr);
    clearSelection();
}

void DBLookupListBox::setKeyField(const QString& field) {
    m_keyField = field;
    rebuild();
}

void DBLookupListBox::rebuild() {
    const QScopedValueRollback rebuilding(m_rebuilding, true);
    clear();
    for (const FieldLink::Choice& choice : m_list.choices(m_keyField)) {
        auto* item = new QListWidgetItem(choice.text, this);
        item->setData(Qt::UserRole, choice.key);
        if (!m_key.isNull() && choice.key == m_key)
            setCurrentItem(item);
    }
}

void DBLookupListBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        event->accept();
        // The popup acts on the row the user pointed at.
        if (QListWidgetItem* item = itemAt(event->position().toPoint())) {
            setCurrentItem(item);
            m_key = item->data(Qt::UserRole);
        }
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
    const int key = event->key();
    const bool shiftF10 = key == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier;
    if (key == Qt::Key_Menu || shiftF10) {
        event->accept();
        popupByKeyboard();
        return;
    }
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        event->accept();
        emit chosen();
        return;
    }
    // Taking the focus by keyboard marks a row as current without highlighting it; the first
    // arrow key highlights that row, so that even a list of one name can be chosen.
    const bool moving = key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Home ||
                        key == Qt::Key_End || key == Qt::Key_PageUp || key == Qt::Key_PageDown;
    if (QListWidgetItem* item = currentItem();
        moving && item && !item->isSelected() && event->modifiers() == Qt::NoModifier) {
        event->accept();
        setCurrentItem(item, QItemSelectionModel::ClearAndSelect);
        m_key = item->data(Qt::UserRole);
        return;
    }
    QListWidget::keyPressEvent(event);
    if (QListWidgetItem* item = currentItem(); item && item->isSelected())
        m_key = item->data(Qt::UserRole);
}

void DBLookupListBox::contextMenuEvent(QContextMenuEvent* event) {
    // The mouse's own popup opened on the press; some window systems also send the Menu key
    // as this event after the key itself, which has opened the popup already.
    if (event->reason() == QContextMenuEvent::Mouse) {
        QListWidget::contextMenuEvent(event);
        return;
    }
    event->accept();
    if (!m_popup || !m_popup->isVisible())
        popupByKeyboard();
}

void DBLookupListBox::popupByKeyboard() {
    if (!m_popup)
        return;
    QListWidgetItem* item = currentItem();
    if (item && item->isSelected())
        m_key = item->data(Qt::UserRole);
    else
        item = nullptr;
    const QPoint at = item ? visualItemRect(item).bottomLeft() : QPoint(0, 0);
    m_popup->popup(viewport()->mapToGlobal(at));
}

void DBLookupListBox::mouseDoubleClickEvent(QMouseEvent* event) {
    QListWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit chosen();
}

bool DBLookupListBox::event(QEvent* event) {
    // A long hint is shown wrapped, as a paragraph, rather than as one line across the screen.
    if (event->type() == QEvent::ToolTip && !toolTip().isEmpty()) {
        const auto* help = static_cast<QHelpEvent*>(event);
        QToolTip::showText(help->globalPos(),
                           QStringLiteral("<p>%1</p>").arg(toolTip().toHtmlEscaped()), this);
        return true;
    }
    return QListWidget::event(event);
}
