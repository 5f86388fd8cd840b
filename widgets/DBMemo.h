#pragma once

#include "widgets/TypedTextLink.h"

#include <QPlainTextEdit>

// A multi-line text box bound to one field. Typing starts editing the dataset; the text is
// written into the field when the box is left or the row is posted.
class DBMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit DBMemo(QWidget* parent = nullptr);

    void setDataSource(DataSource* source) { m_link.setDataSource(source); }
    DataSource* dataSource() const { return m_link.dataSource(); }
    void setDataField(const QString& field) { m_link.setDataField(field); }
    bool isModified() const { return m_link.isModified(); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    TypedTextLink m_link;
};
