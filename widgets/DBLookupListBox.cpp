#include "widgets/DBLookupListBox.h"

#include "engine/Query.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QToolTip>

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
    for (const FieldLink::Choice& choice : m_list.choices(m_keyField)) {
        auto* item = new QListWidgetItem(choice.text, this);
        item->setData(Qt::UserRole, choice.key);
        if (!m_key.isNull() && choice.key == m_key)
            setCurrentItem(item);
    }
    m_rebuilding = false;
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
    QListWidget::keyPressEvent(event);
    if (QListWidgetItem* item = currentItem(); item && item->isSelected())
        m_key = item->data(Qt::UserRole);
}

void DBLookupListBox::mouseDoubleClickEvent(QMouseEvent* event) {
    QListWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
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
