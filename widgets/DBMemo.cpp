#include "widgets/DBMemo.h"

#include "widgets/EditColours.h"
#include "widgets/ErrorGuard.h"

#include <QKeyEvent>

DBMemo::DBMemo(QWidget* parent)
    : QPlainTextEdit(parent),
      m_link([this] { return toPlainText(); }, [this](const QString& t) { setPlainText(t); }) {
    ApplyEditColours(this);
    // Tab moves on to the next control, as in every other box of the window.
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, [this] { m_link.markTyped(); });
}

void DBMemo::keyPressEvent(QKeyEvent* event) {
    // Only a typed character starts the edit before the key; deleting or a new line start it
    // through the change of text, and keys that change nothing never start it.
    if (TypedTextLink::typesText(*event) && !isReadOnly() && !m_link.beginTyping()) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void DBMemo::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    if (m_link.isModified() && event->reason() != Qt::ActiveWindowFocusReason &&
        event->reason() != Qt::PopupFocusReason)
        Guarded([this] { m_link.flush(); });
}
