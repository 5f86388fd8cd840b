#include "details/U_FRM_FrmVisFoto.h"

#include "widgets/PictureBox.h"
#include "widgets/PictureLoader.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

TFrmVisFoto* FrmVisFoto = nullptr;

TFrmVisFoto::TFrmVisFoto(QWidget* parent)
    : QDialog(parent), Image1(new PictureBox(this, PictureMode::Proportional)) {
    setObjectName(QStringLiteral("FrmVisFoto"));
    setWindowTitle(QStringLiteral("VISUALIZZAZIONE FOTOGRAFIA"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    Image1->setObjectName(QStringLiteral("Image1"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Image1);
    // An 800 x 600 window around a 792 x 573 client area, centred on the screen.
    resize(792, 573);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        move(available.center() - QPoint(400, 300));
    }
}

void TFrmVisFoto::LoadPhoto(const QString& path) {
    if (path.isEmpty())
        return;
    Image1->setPicture(LoadPicture(path));
}
