#include "app/U_FRM_FrmAbout.h"

#include "widgets/ErrorGuard.h"
#include "widgets/PictureBox.h"
#include "widgets/PictureLoader.h"
#include "widgets/UiFonts.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

TFrmAbout* FrmAbout = nullptr;

TFrmAbout::TFrmAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      Panel1(new QFrame(this)), ProgramIcon(new PictureBox(Panel1, PictureMode::Stretch)),
      Label1(new QLabel(QStringLiteral("LunkerLedger"), Panel1)),
      Label2(new QLabel(QStringLiteral("Ver. 1.0"), Panel1)), Memo1(new QPlainTextEdit(Panel1)),
      OKButton(new QPushButton(QStringLiteral("OK"), this)) {
    setObjectName(QStringLiteral("FrmAbout"));
    setWindowTitle(QStringLiteral("About"));
    setFixedSize(388, 276);
    setFont(UiFonts::sansSerifPoints(8));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);

    Panel1->setGeometry(8, 8, 373, 233);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setLineWidth(2);

    ProgramIcon->setGeometry(8, 8, 103, 88);
    Guarded([this] { ProgramIcon->setPicture(LoadPicture(QStringLiteral(":/art/about.bmp"))); });

    Label1->move(125, 10);
    Label1->setFont(UiFonts::sansSerifPixels(19));
    Label1->adjustSize();
    Label2->move(125, 35);
    Label2->setFont(UiFonts::sansSerifPixels(13));
    Label2->adjustSize();

    // The terms of use: nine stored lines, some holding a single blank.
    Memo1->setGeometry(5, 100, 361, 126);
    Memo1->setReadOnly(true);
    Memo1->setPlainText(QStringLiteral(" \n\n\n\n \n \n\n \n"));
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette memoPalette = Memo1->palette();
    memoPalette.setColor(QPalette::Base, memoPalette.color(QPalette::Button));
    Memo1->setPalette(memoPalette);

    OKButton->setGeometry(146, 245, 75, 25);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}
