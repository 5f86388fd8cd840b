#pragma once

#include "widgets/ListButtons.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

class ComponentOwner;
class DataSource;
class QLabel;

// The kinds of control a record panel is made of. A hidden edit holds a field the panel's
// code reads (a path, a derived value): never shown, never focused, never switched.
enum class FormControl { Edit, Memo, FixedList, Lookup, ListButton, HiddenEdit };

// A label beside a control: its text and its top-left corner, or its top-right corner when
// it is right-aligned against the control.
struct FormLabel {
    QString text = {};
    int left = 0;
    int top = 0;
    bool alignRight = false;
};

// The list a lookup drop-down offers: a data source of the panel's data module by its
// component name, the list's key field and the field it shows.
struct FormLookup {
    const char* source = nullptr;
    const char* keyField = nullptr;
    const char* shownField = nullptr;
};

// What a list button edits: the list editor's caption and list code, and the queries of the
// panel's data module (by component name) that show the list, reopened once the editor
// closes.
struct FormList {
    const char* caption = nullptr;
    int code = 0;
    std::vector<const char*> reopen = {};
};

// Where the panel keeps a control it names in its table; given the built control.
using FormTarget = std::function<void(QWidget*)>;

// The panel's member that takes the control, checked to be of the member's kind (a table
// naming a control of another kind throws std::logic_error).
template <class Control> FormTarget into(Control*& member) {
    return [&member](QWidget* built) {
        member = qobject_cast<Control*>(built);
        if (!member)
            throw std::logic_error("Nessun controllo adatto di nome " +
                                   built->objectName().toStdString() +
                                   " nella tabella del pannello");
    };
}

// One control of a panel: its component name, kind, rectangle, the field it shows (none
// for a button), its limit (typed characters of an edit box, rows a drop-down shows), its
// hint, the label before it and the unit after it; a lookup's list, a list button's list,
// and the member the panel keeps it in.
struct FormField {
    const char* name;
    FormControl kind;
    QRect rect;
    const char* field = nullptr;
    int limit = 0;
    QString hint = {};
    FormLabel label = {};
    FormLabel unit = {};
    FormLookup lookup = {};
    FormList list = {};
    FormTarget target = {};
};

// The row of a list button: the member that keeps it, its name and place, the list it edits
// and its hint.
FormField ListButtonRow(FormTarget target, const char* name, const QRect& rect, FormList list,
                        const QString& hint = {});

// Builds a panel's labels and controls from a table, in the table's order (which is the
// tab order), binds the data controls to their fields and the lookups to their lists, and
// switches the data controls on and off together. Labels take the parent's font; data
// controls the given font with black text.
class FormBuilder {
public:
    FormBuilder(QWidget* parent, const QFont& dataFont);

    QWidget* add(const FormField& field);
    void add(const std::vector<FormField>& fields);

    // The control named so (exactly), of the expected kind. A name the table does not hold,
    // or a control of another kind, is a fault of the panel's code: it throws
    // std::logic_error naming the control, so the panel cannot start half built.
    template <class Control> Control* control(const char* name) const {
        auto* c = qobject_cast<Control*>(find(name));
        if (!c)
            missing(name);
        return c;
    }
    // Binds every data control built so far to its field of `source`.
    void bind(DataSource* source) const;
    // Binds every lookup of the table to its list and returns the list buttons, their lists
    // and queries found in `module`. A name the module does not hold throws
    // std::logic_error naming it.
    std::vector<ListButtonSpec> bindLists(const ComponentOwner& module) const;
    // Every data control of the table on or off, hidden edits aside: white when on, button
    // face when off (the edit colours). List buttons stay as they are.
    void setEditable(bool on) const;
    // A lookup drop-down's list: the list's data source, key field and shown field. Throws
    // like control() when `name` is no lookup drop-down of the table.
    void bindLookup(const char* name, DataSource* list, const QString& keyField,
                    const QString& shownField) const;

private:
    QWidget* find(const char* name) const;
    [[noreturn]] static void missing(const char* name);
    QLabel* label(const FormLabel& label);

    struct Built {
        QWidget* widget;
        FormField spec;
    };
    QWidget* m_parent;
    QFont m_dataFont;
    std::vector<Built> m_built;
};
