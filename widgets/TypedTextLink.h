#pragma once

#include "widgets/DataSource.h"
#include "widgets/FieldLink.h"

#include <functional>

class QKeyEvent;

// The link of a control the user types text into (edit box, memo): it shows the field's
// text, starts editing when the user types, and holds the typed text as pending until it
// is written into the field, when the box is left or before the row is posted.
class TypedTextLink : public FieldLink, private PendingEditor {
    Q_OBJECT
public:
    // `shown` reads the control's text; `show` puts a text into it.
    TypedTextLink(std::function<QString()> shown, std::function<void(const QString&)> show,
                  QObject* parent = nullptr);
    ~TypedTextLink() override;

    // Whether a key types a character (as opposed to moving, selecting, copying, leaving).
    static bool typesText(const QKeyEvent& event);

    void setDataSource(DataSource* source) override;
    bool isModified() const { return m_modified; }
    // A key is about to type into the control: the dataset goes into edit state. False, with
    // a beep, when there is nothing to edit (the key is then refused).
    bool beginTyping();
    // The user changed the text: the dataset goes into edit state and the text is pending.
    void markTyped();
    // Writes the pending text into the field (ConversionError when it cannot be).
    void flush() { writePending(); }
    // A number below zero is refused as a text the field cannot take (weights, depths and
    // quantities): the text stays, pending.
    void setNonNegative(bool on) { m_nonNegative = on; }
    static const QString kNegativeNumber;

private:
    void writePending() override;
    void reload();

    std::function<QString()> m_shown;
    std::function<void(const QString&)> m_show;
    bool m_modified = false;
    bool m_showing = false;
    bool m_nonNegative = false;
};
