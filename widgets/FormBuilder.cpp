#include "widgets/FormBuilder.h"

#include "engine/Component.h"
#include "engine/Query.h"
#include "widgets/ButtonPictures.h"
#include "widgets/DBComboBox.h"
#include "widgets/DBEdit.h"
#include "widgets/DBMemo.h"
#include "widgets/DataSource.h"
#include "widgets/ToolButton.h"

#include <QLabel>

namespace {

// The component of `module` named so, of the expected kind.
template <class Wanted> Wanted* component(const ComponentOwner& module, const char* name) {
    auto* c = dynamic_cast<Wanted*>(module.findComponent(QLatin1String(name)));
    if (!c)
        throw std::logic_error(std::string("Nessun componente adatto di nome ") + name +
                               " nel modulo " + module.componentName().toStdString());
    return c;
}

template <class Control> Control* dataControl(QWidget* parent, const QFont& font) {
    auto* c = new Control(parent);
    c->setFont(font);
    QPalette p = c->palette();
    p.setColor(QPalette::Active, QPalette::Text, Qt::black);
    p.setColor(QPalette::Inactive, QPalette::Text, Qt::black);
    c->setPalette(p);
    return c;
}

} // namespace

FormField ListButtonRow(FormTarget target, const char* name, const QRect& rect, FormList list,
                        const QString& hint) {
    return {.name = name,
            .kind = FormControl::ListButton,
            .rect = rect,
            .hint = hint,
            .list = std::move(list),
            .target = std::move(target)};
}

FormBuilder::FormBuilder(QWidget* parent, const QFont& dataFont)
    : m_parent(parent), m_dataFont(dataFont) {}

QLabel* FormBuilder::label(const FormLabel& spec) {
    if (spec.text.isEmpty())
        return nullptr;
    auto* l = new QLabel(spec.text, m_parent);
    l->adjustSize();
    l->move(spec.alignRight ? spec.left - l->width() : spec.left, spec.top);
    return l;
}

QWidget* FormBuilder::add(const FormField& spec) {
    label(spec.label);
    QWidget* w = nullptr;
    switch (spec.kind) {
    case FormControl::Edit:
    case FormControl::HiddenEdit: {
        auto* edit = dataControl<DBEdit>(m_parent, m_dataFont);
        edit->setTypingLimit(spec.limit);
        if (spec.kind == FormControl::HiddenEdit) {
            edit->setVisible(false);
            edit->setFocusPolicy(Qt::NoFocus);
        }
        w = edit;
        break;
    }
    case FormControl::Memo:
        w = dataControl<DBMemo>(m_parent, m_dataFont);
        break;
    case FormControl::FixedList:
    case FormControl::Lookup: {
        QComboBox* box = spec.kind == FormControl::Lookup
                             ? dataControl<DBLookupComboBox>(m_parent, m_dataFont)
                             : dataControl<DBComboBox>(m_parent, m_dataFont);
        if (spec.limit > 0)
            box->setMaxVisibleItems(spec.limit);
        w = box;
        break;
    }
    case FormControl::ListButton: {
        auto* b = new ToolButton(m_parent);
        b->setPicture(ButtonPictures::Kind::EditList,
                      qMin(spec.rect.width(), spec.rect.height()) - 4);
        w = b;
        break;
    }
    }
    w->setObjectName(QLatin1String(spec.name));
    w->setGeometry(spec.rect);
    if (!spec.hint.isEmpty())
        w->setToolTip(spec.hint);
    label(spec.unit);
    m_built.push_back({w, spec});
    if (spec.target)
        spec.target(w);
    return w;
}

void FormBuilder::add(const std::vector<FormField>& fields) {
    for (const FormField& f : fields)
        add(f);
}

QWidget* FormBuilder::find(const char* name) const {
    for (const Built& b : m_built)
        if (qstrcmp(b.spec.name, name) == 0)
            return b.widget;
    return nullptr;
}

void FormBuilder::missing(const char* name) {
    throw std::logic_error(std::string("Nessun controllo adatto di nome ") + name +
                           " nella tabella del pannello");
}

void FormBuilder::bind(DataSource* source) const {
    for (const Built& b : m_built) {
        if (!b.spec.field)
            continue;
        const QString field = QLatin1String(b.spec.field);
        if (auto* edit = qobject_cast<DBEdit*>(b.widget)) {
            edit->setDataSource(source);
            edit->setDataField(field);
        } else if (auto* memo = qobject_cast<DBMemo*>(b.widget)) {
            memo->setDataSource(source);
            memo->setDataField(field);
        } else if (auto* box = qobject_cast<DBComboBox*>(b.widget)) {
            box->setDataSource(source);
            box->setDataField(field);
        }
    }
}

void FormBuilder::bindLookup(const char* name, DataSource* list, const QString& keyField,
                             const QString& shownField) const {
    auto* box = control<DBLookupComboBox>(name);
    box->setListSource(list);
    box->setKeyField(keyField);
    box->setListField(shownField);
}

std::vector<ListButtonSpec> FormBuilder::bindLists(const ComponentOwner& module) const {
    std::vector<ListButtonSpec> buttons;
    for (const Built& b : m_built) {
        const FormField& spec = b.spec;
        if (spec.kind == FormControl::Lookup && spec.lookup.source)
            bindLookup(spec.name, component<DataSource>(module, spec.lookup.source),
                       QLatin1String(spec.lookup.keyField), QLatin1String(spec.lookup.shownField));
        if (spec.kind == FormControl::ListButton && spec.list.caption) {
            ListButtonSpec button{control<ToolButton>(spec.name),
                                  QString::fromUtf8(spec.list.caption),
                                  spec.list.code,
                                  {}};
            for (const char* query : spec.list.reopen)
                button.reopen.push_back(component<Query>(module, query));
            buttons.push_back(std::move(button));
        }
    }
    return buttons;
}

void FormBuilder::setEditable(bool on) const {
    for (const Built& b : m_built)
        if (b.spec.field && b.spec.kind != FormControl::HiddenEdit)
            b.widget->setEnabled(on);
}
