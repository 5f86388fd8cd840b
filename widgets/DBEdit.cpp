#include "widgets/DBEdit.h"

#include "data/MessageSeam.h"
#include "engine/EngineError.h"
#include "engine/Query.h"
#include "widgets/EditColours.h"
#include "widgets/ErrorGuard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QValidator>

namespace {

// Refuses typed or pasted text longer than the box allows. A validator, unlike a maximum
// length, never cuts a text the program sets.
class LengthLimit : public QValidator {
public:
    LengthLimit(std::function<int()> allowed, QObject* parent)
        : QValidator(parent), m_allowed(std::move(allowed)) {}
    State validate(QString& input, int&) const override {
        return input.size() <= m_allowed() ? Acceptable : Invalid;
    }

private:
    std::function<int()> m_allowed;
};

} // namespace

DBEdit::DBEdit(QWidget* parent)
    : QLineEdit(parent), m_link([this] { return text(); },
                                [this](const QString& t) {
                                    m_shownLength = int(t.size());
                                    setText(t);
                                }) {
    ApplyEditColours(this);
    // The border is painted by the box itself, one pixel wide; the text uses what is inside.
    setFrame(false);
    setTextMargins(-1, 0, -1, 0);
    // Deleting, pasting and cutting edit too; typing already started the edit.
    connect(this, &QLineEdit::textEdited, this, [this] { m_link.markTyped(); });
}

void DBEdit::setTypingLimit(int characters) {
    m_limit = characters;
    delete validator();
    // A longer value the program showed may still be shortened.
    auto allowed = [this] { return qMax(m_limit, m_shownLength); };
    setValidator(characters > 0 ? new LengthLimit(allowed, this) : nullptr);
}

void DBEdit::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    QPainter p(this);
    p.setPen(palette().color(QPalette::Dark));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void DBEdit::keyPressEvent(QKeyEvent* event) {
    emit keyDown(event->key(), event->modifiers());
    if (TypedTextLink::typesText(*event) && !isReadOnly()) {
        const QString typed = event->text();
        // A key past the limit changes nothing, so it starts no edit either.
        if (m_limit > 0 &&
            text().size() - selectedText().size() + typed.size() > qMax(m_limit, m_shownLength)) {
            event->accept();
            return;
        }
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
    // Nor does the box being disabled under the user (a Save that disables the fields first
    // converts the text itself).
    const Qt::FocusReason reason = event->reason();
    if (!m_link.isModified() || m_reporting || !isEnabled() ||
        reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return;
    try {
        m_link.flush();
    } catch (const ConversionError& e) {
        {
            const QScopedValueRollback reporting(m_reporting, true);
            showError(e.message());
        }
        selectAll();
        setFocus();
    } catch (...) {
        ShowGeneralError(MessageOf(std::current_exception()));
    }
}
