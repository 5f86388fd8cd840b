#include "widgets/DBMemo.h"

#include "engine/Query.h"
#include "widgets/EditColours.h"
#include "widgets/ErrorGuard.h"

#include <QApplication>
#include <QKeyEvent>

DBMemo::DBMemo(QWidget* parent) : QPlainTextEdit(parent) {
    ApplyEditColours(this);
    connect(&m_link, &FieldLink::resetNeeded, this, [this] {
        m_modified = false;
        reload();
    });
    connect(&m_link, &FieldLink::refreshNeeded, this, [this] {
        if (!m_modified)
            reload();
    });
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (m_loading)
            return;
        Query* q = m_link.activeDataSet();
        if (q && !q->isEditing())
            Guarded([&] { m_link.startEditing(); });
        m_modified = true;
    });
}

DBMemo::~DBMemo() {
    if (m_link.dataSource())
        m_link.dataSource()->removePendingEditor(this);
}

void DBMemo::setDataSource(DataSource* source) {
    if (m_link.dataSource())
        m_link.dataSource()->removePendingEditor(this);
    m_link.setDataSource(source);
    if (source)
        source->addPendingEditor(this);
}

void DBMemo::reload() {
    Query* q = m_link.activeDataSet();
    const int field = m_link.fieldIndex();
    const QString text = (q && field >= 0) ? q->displayText(field) : QString();
    if (text == toPlainText())
        return;
    m_loading = true;
    setPlainText(text);
    m_loading = false;
}

void DBMemo::keyPressEvent(QKeyEvent* event) {
    if (!event->text().isEmpty() && !isReadOnly()) {
        bool started = false;
        Guarded([&] { started = m_link.startEditing(); });
        if (!started) {
            QApplication::beep();
            event->accept();
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(event);
}

void DBMemo::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    if (m_modified && event->reason() != Qt::ActiveWindowFocusReason &&
        event->reason() != Qt::PopupFocusReason)
        Guarded([&] { writePending(); });
}

void DBMemo::writePending() {
    if (!m_modified)
        return;
    Query* q = m_link.activeDataSet();
    const int field = m_link.fieldIndex();
    if (!q || field < 0 || !q->isEditing())
        return;
    q->setText(field, toPlainText());
    m_modified = false;
}
