#include "app/U_FRM_FrmStart.h"

#include "widgets/ErrorGuard.h"
#include "widgets/PictureBox.h"
#include "widgets/PictureLoader.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

TFrmStart* FrmStart = nullptr;

TFrmStart::TFrmStart(QWidget* mainWindow)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint),
      Image1(new PictureBox(this, PictureMode::Center)), m_mainWindow(mainWindow) {
    setObjectName(QStringLiteral("FrmStart"));
    setFixedSize(511, 481);
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::black);
    setPalette(background);
    setAutoFillBackground(true);
    Image1->setGeometry(0, 0, 511, 481);
    Guarded([this] { Image1->setPicture(LoadPicture(QStringLiteral(":/art/splash.jpg"))); });
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    applyOpacity();

    Timer1.setInterval(8);
    Timer2.setInterval(3000);
    ConnectGuarded(&Timer1, &QTimer::timeout, this, &TFrmStart::Timer1Timer);
    ConnectGuarded(&Timer2, &QTimer::timeout, this, &TFrmStart::Timer2Timer);
}

void TFrmStart::applyOpacity() {
    setWindowOpacity(m_opacity / 255.0);
}

void TFrmStart::Timer1Timer() {
    if (!m_done) {
        if (m_opacity < 255) {
            m_opacity += 15;
            applyOpacity();
        } else if (!Timer2.isActive()) {
            Timer2.start(); // enabling it again while it runs would not restart it
        }
        return;
    }
    if (m_opacity > 0) {
        m_opacity -= 15;
        applyOpacity();
        return;
    }
    hide();
    m_mainWindow->show(); // the main window's show step releases this window: touch nothing after
}

void TFrmStart::Timer2Timer() {
    m_done = true;
    Timer2.stop();
}

// The splash takes no input: nothing shortens it.
void TFrmStart::mousePressEvent(QMouseEvent* event) {
    event->accept();
}
void TFrmStart::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}
void TFrmStart::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}
void TFrmStart::keyPressEvent(QKeyEvent* event) {
    event->accept();
}
