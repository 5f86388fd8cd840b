#include "widgets/TypedTextLink.h"

#include "engine/EngineError.h"
#include "engine/Query.h"
#include "engine/TextConversion.h"
#include "widgets/ErrorGuard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScopedValueRollback>

const QString TypedTextLink::kNegativeNumber = QStringLiteral("Il valore non può essere negativo.");

bool TypedTextLink::typesText(const QKeyEvent& event) {
    const QString typed = event.text();
    return !typed.isEmpty() && typed.at(0).isPrint() &&
           !(event.modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

TypedTextLink::TypedTextLink(std::function<QString()> shown,
                             std::function<void(const QString&)> show, QObject* parent)
    : FieldLink(parent), m_shown(std::move(shown)), m_show(std::move(show)) {
    connect(this, &FieldLink::resetNeeded, this, [this] {
        m_modified = false;
        reload();
    });
    connect(this, &FieldLink::refreshNeeded, this, [this] {
        if (!m_modified)
            reload();
    });
}

TypedTextLink::~TypedTextLink() {
    if (dataSource())
        dataSource()->removePendingEditor(this);
}

void TypedTextLink::setDataSource(DataSource* source) {
    if (dataSource())
        dataSource()->removePendingEditor(this);
    FieldLink::setDataSource(source);
    if (source)
        source->addPendingEditor(this);
}

void TypedTextLink::reload() {
    Query* q = activeDataSet();
    const int field = fieldIndex();
    const QString text = (q && field >= 0) ? q->displayText(field) : QString();
    if (text == m_shown())
        return;
    const QScopedValueRollback showing(m_showing, true);
    m_show(text);
}

bool TypedTextLink::beginTyping() {
    bool started = false;
    Guarded([&] { started = startEditing(); });
    if (!started)
        QApplication::beep();
    return started;
}

void TypedTextLink::markTyped() {
    if (m_showing)
        return;
    Query* q = activeDataSet();
    if (!q)
        return;
    // Marked before the edit starts: starting it tells the control to show the field again,
    // which must not undo the change the user has just made.
    m_modified = true;
    if (!q->isEditing())
        Guarded([this] { startEditing(); });
}

void TypedTextLink::writePending() {
    if (!m_modified)
        return;
    Query* q = activeDataSet();
    const int field = fieldIndex();
    if (!q || field < 0 || !q->isEditing())
        return;
    // A ConversionError keeps the text and stops the post.
    const QVariant value = TextConversion::valueFromText(m_shown(), q->fieldInfo(field).type);
    if (m_nonNegative && value.isValid() && !value.isNull() && value.toDouble() < 0)
        throw ConversionError(kNegativeNumber);
    q->setValue(field, value);
    m_modified = false;
    reload();
}
