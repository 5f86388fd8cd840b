#pragma once

#include "widgets/ButtonPictures.h"

#include <QIcon>
#include <QToolButton>

// The flat tool button of every record panel: it never takes the keyboard focus (so text
// being typed is still pending when its action runs), shows a hand cursor and a hint, and
// has a picture for the normal and one for the disabled state.
class ToolButton : public QToolButton {
    Q_OBJECT
public:
    explicit ToolButton(QWidget* parent = nullptr);
    void setPictures(const QPixmap& normal, const QPixmap& disabled);
    // Both states of one of the program's own pictures.
    void setPicture(ButtonPictures::Kind kind, int size = 16);
    void setHint(const QString& hint) { setToolTip(hint); }
};
