#pragma once

#include "widgets/DataLink.h"

#include <QList>
#include <QString>
#include <QVariant>

class Query;

// What every control bound to one field shares: its data link, the field's name, and
// finding the field (without regard to case) in whatever dataset is attached now.
class FieldLink : public DataLink {
    Q_OBJECT
public:
    explicit FieldLink(QObject* parent = nullptr);

    void setDataField(const QString& field);
    const QString& dataField() const { return m_field; }

    // Index of the field in the open dataset; -1 when there is none.
    int fieldIndex() const;
    bool canShow() const { return fieldIndex() >= 0; }
    // Every row of the dataset as a choice: the text of the linked field and the value of
    // `keyField`, in the dataset's order, read without moving it. Empty when either field is
    // missing or the dataset is closed.
    struct Choice {
        QString text;
        QVariant key;
    };
    QList<Choice> choices(const QString& keyField) const;
    // Puts the dataset in edit state (an empty one inserts). False when there is nothing to edit.
    bool startEditing();

signals:
    // Whatever the control shows may have changed: reload it.
    void refreshNeeded();
    // The dataset went back to browse or moved: typed text not written is dropped.
    void resetNeeded();

private:
    QString m_field;
};
