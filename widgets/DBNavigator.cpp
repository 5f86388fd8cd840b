#include "widgets/DBNavigator.h"

#include "engine/Query.h"
#include "widgets/ErrorGuard.h"
#include "widgets/ToolButton.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPolygon>

namespace {

// Black triangles (and bars), as on every record navigator; grey when disabled.
QPixmap arrow(DBNavigator::Button which, const QColor& colour) {
    QPixmap pm(12, 12);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const bool left = which == DBNavigator::First || which == DBNavigator::Prior;
    const QPolygon tri = left ? QPolygon({QPoint(9, 1), QPoint(9, 11), QPoint(3, 6)})
                              : QPolygon({QPoint(3, 1), QPoint(3, 11), QPoint(9, 6)});
    p.drawPolygon(tri);
    if (which == DBNavigator::First)
        p.drawRect(1, 1, 2, 10);
    if (which == DBNavigator::Last)
        p.drawRect(9, 1, 2, 10);
    return pm;
}

} // namespace

DBNavigator::DBNavigator(QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const QString hints[] = {QStringLiteral("Primo"), QStringLiteral("Precedente"),
                             QStringLiteral("Successivo"), QStringLiteral("Ultimo")};
    for (int b = First; b <= Last; ++b) {
        auto* button = new ToolButton(this);
        button->setPictures(arrow(Button(b), Qt::black), arrow(Button(b), Qt::gray));
        button->setHint(hints[b]);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        layout->addWidget(button);
        m_buttons[b] = button;
        connect(button, &QToolButton::clicked, this, [this, b] { press(Button(b)); });
    }
    for (auto signal : {&DataLink::dataSetReset, &DataLink::rowMoved, &DataLink::stateChanged})
        connect(&m_link, signal, this, &DBNavigator::updateButtons);
    updateButtons();
}

void DBNavigator::setDataSource(DataSource* source) {
    m_link.setDataSource(source);
}

void DBNavigator::press(Button which) {
    Query* q = m_link.activeDataSet();
    if (!q)
        return;
    bool allowed = true;
    if (m_beforeMove)
        Guarded([&] { allowed = m_beforeMove(); });
    if (!allowed)
        return;
    bool moved = false;
    Guarded([&] {
        switch (which) {
        case First:
            q->first();
            break;
        case Prior:
            q->prior();
            break;
        case Next:
            q->next();
            break;
        case Last:
            q->last();
            break;
        }
        moved = true;
    });
    updateButtons();
    if (moved)
        emit clicked(which);
}

void DBNavigator::updateButtons() {
    Query* q = m_link.activeDataSet();
    const bool up = q && !q->bof();
    const bool down = q && !q->eof();
    m_buttons[First]->setEnabled(up);
    m_buttons[Prior]->setEnabled(up);
    m_buttons[Next]->setEnabled(down);
    m_buttons[Last]->setEnabled(down);
}
