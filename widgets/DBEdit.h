#pragma once

#include "widgets/TypedTextLink.h"

#include <QLineEdit>

// An edit box bound to one field of the current row. Typing starts editing the dataset;
// a key the field cannot hold (a letter in a number) is refused with a beep. The typed text
// is converted when the box is left (a text the field cannot take is reported at once, the
// text selected and the focus kept) and, failing that, when the row is posted.
//
// The box has a thin border and no inner margin beyond it, so the longest value its typing
// limit allows is seen whole in the small boxes of the program's windows.
class DBEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit DBEdit(QWidget* parent = nullptr);

    void setDataSource(DataSource* source) { m_link.setDataSource(source); }
    DataSource* dataSource() const { return m_link.dataSource(); }
    void setDataField(const QString& field) { m_link.setDataField(field); }
    const QString& dataField() const { return m_link.dataField(); }
    // The most characters the user may type; 0: no limit. A value the program shows is shown
    // whole, whatever its length, and never changed by being shown.
    void setTypingLimit(int characters);
    int typingLimit() const { return m_limit; }
    // Whether the box holds typed text not yet written into its field.
    bool isModified() const { return m_link.isModified(); }
    // Writes typed text not yet written into the field now (ConversionError if it cannot be).
    void flushPending() { m_link.flush(); }
    // Refuses a number below zero as it refuses a text the field cannot take.
    void setNonNegative(bool on) { m_link.setNonNegative(on); }

signals:
    // Every key pressed in the box, before the box handles it.
    void keyDown(int key, Qt::KeyboardModifiers modifiers);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    TypedTextLink m_link;
    int m_limit = 0;
    int m_shownLength = 0; // length of the value the program last showed
    bool m_reporting = false;
};
