#include "widgets/EditColours.h"

#include <QPalette>
#include <QWidget>

void ApplyEditColours(QWidget* control) {
    QPalette p = control->palette();
    p.setColor(QPalette::Active, QPalette::Base, Qt::white);
    p.setColor(QPalette::Inactive, QPalette::Base, Qt::white);
    p.setColor(QPalette::Disabled, QPalette::Base, p.color(QPalette::Active, QPalette::Button));
    control->setPalette(p);
}
