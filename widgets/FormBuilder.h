#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <vector>

class DataSource;
class QLabel;
class QWidget;

// The kinds of control a record panel is made of.
enum class FormControl { Edit, Memo, FixedList, Lookup, ListButton };

// A label beside a control: its text and its top-left corner, or its top-right corner when
// it is right-aligned against the control.
struct FormLabel {
    QString text = {};
    int left = 0;
    int top = 0;
    bool alignRight = false;
};

// One control of a panel: its component name, kind, rectangle, the field it shows (none
// for a button), its limit (typed characters of an edit box, rows a drop-down shows), its
// hint, the label before it and the unit after it.
struct FormField {
    const char* name;
    FormControl kind;
    QRect rect;
    const char* field = nullptr;
    int limit = 0;
    QString hint = {};
    FormLabel label = {};
    FormLabel unit = {};
};

// Builds a panel's labels and controls from a table, in the table's order (which is the
// tab order), and binds the data controls to their fields. Labels take the parent's font;
// data controls the given font with black text.
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
        const char* name;
        const char* field;
    };
    QWidget* m_parent;
    QFont m_dataFont;
    std::vector<Built> m_built;
};
