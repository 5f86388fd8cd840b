#pragma once

#include "widgets/FieldLink.h"

#include <QListWidget>
#include <QMenu>
#include <QPointer>

class DataSource;
class QMenu;

// A list box showing one field of every row of a dataset, bound to no field: the program
// reads the key of the highlighted row (null when nothing is highlighted). A right click
// opens its popup menu without changing what is highlighted.
class DBLookupListBox : public QListWidget {
    Q_OBJECT
public:
    explicit DBLookupListBox(QWidget* parent = nullptr);

    void setListSource(DataSource* source) { m_list.setDataSource(source); }
    DataSource* listSource() const { return m_list.dataSource(); }
    void setKeyField(const QString& field);
    void setListField(const QString& field) { m_list.setDataField(field); }
    void setPopupMenu(QMenu* menu) { m_popup = menu; }
    QMenu* popupMenu() const { return m_popup; }

    QVariant keyValue() const;

signals:
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void rebuild();

    FieldLink m_list;
    QString m_keyField;
    QPointer<QMenu> m_popup;
};
