#pragma once

#include "widgets/DataSource.h"
#include "widgets/FieldLink.h"

#include <QPlainTextEdit>

// A multi-line text box bound to one field. Typing starts editing the dataset; the text is
// written into the field when the row is posted.
class DBMemo : public QPlainTextEdit, private PendingEditor {
    Q_OBJECT
public:
    explicit DBMemo(QWidget* parent = nullptr);
    ~DBMemo() override;

    void setDataSource(DataSource* source);
    DataSource* dataSource() const { return m_link.dataSource(); }
    void setDataField(const QString& field) { m_link.setDataField(field); }
    bool isModified() const { return m_modified; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void writePending() override;
    void reload();

    FieldLink m_link;
    bool m_modified = false;
    bool m_loading = false;
};
