#include "widgets/ToolButton.h"

ToolButton::ToolButton(QWidget* parent) : QToolButton(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAutoRaise(true);
    setCursor(Qt::PointingHandCursor);
    setToolButtonStyle(Qt::ToolButtonIconOnly);
}

void ToolButton::setPictures(const QPixmap& normal, const QPixmap& disabled) {
    QIcon icon;
    icon.addPixmap(normal, QIcon::Normal);
    icon.addPixmap(disabled, QIcon::Disabled);
    setIcon(icon);
    setIconSize(normal.size());
}

void ToolButton::setPicture(ButtonPictures::Kind kind, int size) {
    setPictures(ButtonPictures::normal(kind, size), ButtonPictures::disabled(kind, size));
}
