#include "widgets/DBEdit.h"

#include "data/MessageSeam.h"
#include "engine/EngineError.h"
#include "engine/Query.h"
#include "widgets/EditColours.h"
#include "widgets/ErrorGuard.h"

#include <QApplication>
#include <QKeyEvent>

DBEdit::DBEdit(QWidget* parent)
    : QLineEdit(parent),
      m_link([this] { return text(); }, [this](const QString& t) { setText(t); }) {
    ApplyEditColours(this);
    // Deleting, pasting and cutting edit too; typing already started the edit.
    connect(this, &QLineEdit::textEdited, this, [this] { m_link.markTyped(); });
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
        if (!m_link.beginTyping()) {
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

void DBEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Only leaving for another control converts; a window or menu taking over does not.
    const Qt::FocusReason reason = event->reason();
    if (!m_link.isModified() || m_reporting || reason == Qt::ActiveWindowFocusReason ||
        reason == Qt::PopupFocusReason)
        return;
    try {
        m_link.flush();
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
