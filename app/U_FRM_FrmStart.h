#pragma once

#include <QTimer>
#include <QWidget>

class PictureBox;

// The splash: the lake picture fades in, holds for three seconds, fades out, then gives way
// to the main window. It takes no input. The opacity moves in steps of 15 between 0 and 255.
class TFrmStart : public QWidget {
    Q_OBJECT
public:
    explicit TFrmStart(QWidget* mainWindow);

    void Timer1Timer(); // fade tick, every 8 ms
    void Timer2Timer(); // end of the hold, once

    int opacity() const { return m_opacity; }
    bool isDone() const { return m_done; }

    PictureBox* Image1;
    QTimer Timer1;
    QTimer Timer2;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void applyOpacity();

    QWidget* m_mainWindow;
    int m_opacity = 0;
    bool m_done = false;
};

extern TFrmStart* FrmStart;
