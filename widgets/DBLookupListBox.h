#pragma once

#include "widgets/FieldLink.h"

#include <QListWidget>
#include <QMenu>
#include <QPointer>

class DataSource;
class QMenu;

// A list box showing one field of every row of a dataset, bound to no field: the program
// reads the selected key, set by highlighting a row with the mouse or the arrow keys (null
// until one is highlighted). A right click selects the row under the mouse and opens the
// popup menu on it; the Menu key and Shift+F10 open it on the highlighted row. A double click
// and Enter choose the highlighted row.
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

    // The key of the row last highlighted; it stays after the list is reloaded even when
    // no row shows it any more, until it is cleared.
    QVariant keyValue() const { return m_key; }
    void clearKeyValue();

signals:
    // A double click or Enter.
    void chosen();

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void rebuild();
    // The popup below the highlighted row, or at the top of the list with none.
    void popupByKeyboard();

    FieldLink m_list;
    QString m_keyField;
    QPointer<QMenu> m_popup;
    QVariant m_key;
    bool m_rebuilding = false;
};
