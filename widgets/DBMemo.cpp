#include "widgets/DBMemo.h"

#include "widgets/EditColours.h"
#include "widgets/ErrorGuard.h"

#include <QApplication>
#include <QKeyEvent>

DBMemo::DBMemo(QWidget* parent)
    : QPlainTextEdit(parent),
      m_link([this] { return toPlainText(); }, [this](const QString& t) { setPlainText(t); }) {
    ApplyEditColours(this);
    connect(this, &QPlainTextEdit::textChanged, this, [this] { m_link.markTyped(); });
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
    if (m_link.isModified() && event->reason() != Qt::ActiveWindowFocusReason &&
        event->reason() != Qt::PopupFocusReason)
        Guarded([this] { m_link.flush(); });
}
