#include "widgets/DBEdit.h"

#include "data/MessageSeam.h"
#include "engine/EngineError.h"
#include "engine/Query.h"
#include "widgets/EditColours.h"
#include "widgets/ErrorGuard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

DBEdit::DBEdit(QWidget* parent) : QLineEdit(parent) {
    ApplyEditColours(this);
    connect(&m_link, &FieldLink::resetNeeded, this, [this] {
        m_modified = false;
        reload();
    });
    connect(&m_link, &FieldLink::refreshNeeded, this, [this] {
        if (!m_modified)
            reload();
    });
    connect(this, &QLineEdit::textEdited, this, &DBEdit::onTextEdited);
}

DBEdit::~DBEdit() {
    if (m_link.dataSource())
        m_link.dataSource()->removePendingEditor(this);
}

void DBEdit::setDataSource(DataSource* source) {
    if (m_link.dataSource())
        m_link.dataSource()->removePendingEditor(this);
    m_link.setDataSource(source);
    if (source)
        source->addPendingEditor(this);
}

void DBEdit::reload() {
    Query* q = m_link.activeDataSet();
    const int field = m_link.fieldIndex();
    const QString text = (q && field >= 0) ? q->displayText(field) : QString();
    if (text != this->text())
        setText(text);
}

void DBEdit::keyPressEvent(QKeyEvent* event) {
    emit keyDown(event->key(), event->modifiers());
    const QString typed = event->text();
    const bool printable = !typed.isEmpty() && typed.at(0).isPrint() &&
                           !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (printable && !isReadOnly()) {
        Query* q = m_link.activeDataSet();
        const int field = m_link.fieldIndex();
        if (q && field >= 0 && !q->acceptsChar(field, typed.at(0))) {
            QApplication::beep();
            event->accept();
            return;
        }
        bool started = false;
        Guarded([&] { started = m_link.startEditing(); });
        if (!started) {
            QApplication::beep();
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void DBEdit::inputMethodEvent(QInputMethodEvent* event) {
    Guarded([&] { m_link.startEditing(); });
    QLineEdit::inputMethodEvent(event);
}

void DBEdit::onTextEdited() {
    // Deleting, pasting and cutting edit too; typing already started the edit.
    Query* q = m_link.activeDataSet();
    if (!q)
        return;
    if (!q->isEditing())
        Guarded([&] { m_link.startEditing(); });
    m_modified = true;
}

void DBEdit::writePending() {
    if (!m_modified)
        return;
    Query* q = m_link.activeDataSet();
    const int field = m_link.fieldIndex();
    if (!q || field < 0 || !q->isEditing())
        return;
    q->setText(field, text()); // a ConversionError keeps the text and stops the post
    m_modified = false;
    reload();
}

void DBEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Only leaving for another control converts; a window or menu taking over does not.
    const Qt::FocusReason reason = event->reason();
    if (!m_modified || m_reporting || reason == Qt::ActiveWindowFocusReason ||
        reason == Qt::PopupFocusReason)
        return;
    try {
        writePending();
    } catch (const ConversionError& e) {
        m_reporting = true;
        showError(e.message());
        m_reporting = false;
        selectAll();
        setFocus();
    } catch (...) {
        ShowGeneralError(MessageOf(std::current_exception()));
    }
}
