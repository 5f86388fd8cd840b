#pragma once

#include "widgets/FieldLink.h"

#include <QComboBox>

class DataSource;

// A drop-down list of fixed texts bound to a text field: choosing one starts editing and
// writes it into the field. A value that is not in the list shows as no choice.
class DBComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit DBComboBox(QWidget* parent = nullptr);

    void setDataSource(DataSource* source) { m_link.setDataSource(source); }
    DataSource* dataSource() const { return m_link.dataSource(); }
    void setDataField(const QString& field) { m_link.setDataField(field); }

protected:
    // Shows what the field holds now.
    virtual void reload();
    // Writes the choice at `index` into the field.
    virtual void choose(int index);

    FieldLink m_link;
    bool m_loading = false;

private:
    void onIndexChanged(int index);
};

// A drop-down list filled from a second dataset (the list): it shows the list field of the
// list row whose key equals the bound field's value, and writes the key of the row chosen.
// Bound to no field, it is a pick list whose chosen key the program reads.
class DBLookupComboBox : public DBComboBox {
    Q_OBJECT
public:
    explicit DBLookupComboBox(QWidget* parent = nullptr);

    void setListSource(DataSource* source);
    DataSource* listSource() const { return m_list.dataSource(); }
    void setKeyField(const QString& field);
    void setListField(const QString& field);
    void setDropDownRows(int rows) { setMaxVisibleItems(rows); }
    // The key of the row shown; null when none.
    QVariant keyValue() const;

protected:
    void reload() override;
    void choose(int index) override;

private:
    void rebuild();

    FieldLink m_list;
    QString m_keyField;
};
