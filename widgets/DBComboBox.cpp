#include "widgets/DBComboBox.h"

#include "engine/Query.h"
#include "widgets/DataSource.h"
#include "widgets/EditColours.h"
#include "widgets/ErrorGuard.h"

#include <QScopedValueRollback>
#include <algorithm>

DBComboBox::DBComboBox(QWidget* parent) : QComboBox(parent) {
    setEditable(false);
    ApplyEditColours(this);
    connect(&m_link, &FieldLink::resetNeeded, this, [this] { reload(); });
    connect(&m_link, &FieldLink::refreshNeeded, this, [this] { reload(); });
    connect(this, &QComboBox::currentIndexChanged, this, &DBComboBox::onIndexChanged);
}

void DBComboBox::reload() {
    Query* q = m_link.activeDataSet();
    const int field = m_link.fieldIndex();
    const int index = (q && field >= 0) ? findText(q->displayText(field)) : -1;
    const QScopedValueRollback loading(m_loading, true);
    setCurrentIndex(q && field >= 0 && !q->value(field).isNull() ? index : -1);
}

void DBComboBox::choose(int index) {
    Query* q = m_link.activeDataSet();
    q->setValue(m_link.fieldIndex(), index < 0 ? QVariant() : QVariant(itemText(index)));
}

void DBComboBox::onIndexChanged(int index) {
    // Bound to no field (a plain pick list), the choice simply stays.
    if (m_loading || !m_link.dataSource())
        return;
    bool written = false;
    Guarded([&] {
        if (!m_link.startEditing())
            return;
        choose(index);
        written = true;
    });
    if (!written)
        reload(); // nothing to write into: show the field as it is
}

DBLookupComboBox::DBLookupComboBox(QWidget* parent) : DBComboBox(parent) {
    connect(&m_list, &FieldLink::resetNeeded, this, [this] { rebuild(); });
    connect(&m_list, &FieldLink::refreshNeeded, this, [this] { rebuild(); });
}

void DBLookupComboBox::setListSource(DataSource* source) {
    m_list.setDataSource(source);
}

void DBLookupComboBox::setKeyField(const QString& field) {
    m_keyField = field;
    rebuild();
}

void DBLookupComboBox::setListField(const QString& field) {
    m_list.setDataField(field);
}

void DBLookupComboBox::rebuild() {
    const QVariant picked = m_link.dataSource() ? QVariant() : keyValue();
    {
        const QScopedValueRollback loading(m_loading, true);
        clear();
        // The first entry is empty, so a value can be set back to none.
        addItem(QString(), QVariant());
        for (const FieldLink::Choice& choice : m_list.choices(m_keyField))
            if (!choice.key.isNull())
                addItem(choice.text, choice.key);
        if (!m_link.dataSource()) // a pick list keeps what was picked, if the list still has it
            setCurrentIndex(picked.isNull() ? -1 : std::max(findData(picked), 0));
    }
    reload();
}

void DBLookupComboBox::reload() {
    if (!m_link.dataSource())
        return;
    Query* q = m_link.activeDataSet();
    const int field = m_link.fieldIndex();
    int index = -1;
    if (q && field >= 0) {
        const QVariant v = q->value(field);
        index = v.isNull() ? 0 : -1;
        for (int i = 1; i < count() && !v.isNull(); ++i) {
            if (itemData(i).toString() == v.toString()) {
                index = i;
                break;
            }
        }
    }
    const QScopedValueRollback loading(m_loading, true);
    setCurrentIndex(index);
}

void DBLookupComboBox::choose(int index) {
    Query* q = m_link.activeDataSet();
    q->setValue(m_link.fieldIndex(), index <= 0 ? QVariant() : itemData(index));
}

QVariant DBLookupComboBox::keyValue() const {
    return currentIndex() <= 0 ? QVariant() : itemData(currentIndex());
}
