#include "stats/U_FRM_FrmStat.h"

#include "charts/DBChart.h"
#include "data/MessageSeam.h"
#include "sessions/UDM_Sessioni.h"
#include "stats/StatPictures.h"
#include "stats/StatQuantities.h"
#include "stats/UDM_Statistiche.h"
#include "widgets/ButtonPictures.h"
#include "widgets/DBComboBox.h"
#include "widgets/ErrorGuard.h"
#include "widgets/FileDialogSeam.h"
#include "widgets/PrinterSeam.h"
#include "widgets/ToolButton.h"
#include "widgets/UiFonts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

TFrmStat* FrmStat = nullptr;

const QString TFrmStat::kMissingChoices = QStringLiteral(
    "Per visualizzare la statistica occorre immettere tutti i dati: \r\ntipologia del grafico, "
    "uno specchio d'acqua (o tutti \r\nselezionando la casella), un carpista d'acqua (o tutti "
    "\r\nselezionando la casella), ed un dato da analizzare");

namespace {

QLabel* label(QWidget* parent, const QString& text, const QRect& rect, bool wrap = false) {
    auto* l = new QLabel(text, parent);
    l->setWordWrap(wrap);
    if (rect.width() > 0)
        l->setGeometry(rect);
    else {
        l->adjustSize();
        l->move(rect.topLeft());
    }
    return l;
}

QPushButton* glyphButton(QWidget* parent, const char* name, const QString& text,
                         ButtonPictures::Kind glyph, const QRect& rect) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(rect);
    QIcon icon;
    icon.addPixmap(ButtonPictures::normal(glyph, 16), QIcon::Normal);
    icon.addPixmap(ButtonPictures::disabled(glyph, 16), QIcon::Disabled);
    b->setIcon(icon);
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

ToolButton* panelButton(QWidget* parent, const char* name, ButtonPictures::Kind glyph,
                        const QString& hint) {
    auto* b = new ToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(5, 15, 211, 16);
    b->setPicture(glyph, 12);
    b->setHint(hint);
    return b;
}

} // namespace

TFrmStat::TFrmStat(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("FrmStat"));
    setWindowTitle(QStringLiteral("STATISTICHE"));
    setWindowIcon(StatPictures::windowIcon());
    setFont(UiFonts::sansSerifPoints(8));
    // A 640 x 480 window around its client area.
    setFixedSize(632, 453);

    // From back to front: the chart, the selection panel over its corner, the two buttons.
    DBChart1 = new DBChart(this);
    DBChart1->setObjectName(QStringLiteral("DBChart1"));
    DBChart1->setGeometry(5, 50, 621, 396);

    GroupBox1 = new QGroupBox(QStringLiteral("SELEZIONE TIPOLOGIA E CAMPI"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(5, 5, 221, 161);
    GroupBox1->setAutoFillBackground(true);
    QFont caption = UiFonts::sansSerifPoints(8);
    caption.setBold(true);
    GroupBox1->setFont(caption);
    QPalette green = GroupBox1->palette();
    green.setColor(QPalette::WindowText, QColor(0x00, 0x80, 0x00));
    GroupBox1->setPalette(green);
    // The controls inside speak in a black regular font.
    auto* inside = new QWidget(GroupBox1);
    inside->setGeometry(0, 0, 221, 161);
    inside->setFont(UiFonts::sansSerifPoints(8));
    QPalette black = inside->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    inside->setPalette(black);

    using K = ButtonPictures::Kind;
    SpeedButton2 = panelButton(inside, "SpeedButton2", K::TriangleDown,
                               QStringLiteral("Apre il pannello di selezione parametri"));
    SpeedButton2->setVisible(false);
    SpeedButton1 = panelButton(inside, "SpeedButton1", K::TriangleUp,
                               QStringLiteral("Chiude il pannello di selezione parametri"));
    Label1 = label(inside, QStringLiteral("Tipologia grafico:"), QRect(5, 45, 0, 0));
    ComboBoxEx1 = new QComboBox(inside);
    ComboBoxEx1->setObjectName(QStringLiteral("ComboBoxEx1"));
    ComboBoxEx1->setGeometry(110, 40, 101, 22);
    ComboBoxEx1->addItem(StatPictures::pie(), QStringLiteral("Torta"));
    ComboBoxEx1->addItem(StatPictures::bars(), QStringLiteral("Barre"));
    ComboBoxEx1->addItem(StatPictures::lines(), QStringLiteral("Linee"));
    ComboBoxEx1->setCurrentIndex(-1);
    Label2 = label(inside, QStringLiteral("Specchio d'acqua:"), QRect(4, 75, 61, 31), true);
    CheckBox1 = new QCheckBox(QStringLiteral("Tutti"), inside);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->move(66, 67);
    CheckBox1->adjustSize();
    DBLookupComboBox1 = new DBLookupComboBox(inside);
    DBLookupComboBox1->setObjectName(QStringLiteral("DBLookupComboBox1"));
    DBLookupComboBox1->setGeometry(65, 85, 146, 22);
    Label4 = label(inside, QStringLiteral("Dato analizzato:"), QRect(4, 105, 61, 26), true);
    ComboBox1 = new QComboBox(inside);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setGeometry(65, 110, 146, 22);
    for (const StatQuantity& quantity : kStatQuantities)
        ComboBox1->addItem(quantity.text());
    ComboBox1->setCurrentIndex(-1);
    BitBtn1 = glyphButton(inside, "BitBtn1", QStringLiteral("OK"), K::Ok, {65, 134, 75, 24});
    BitBtn1->setDefault(true);

    BitBtn2 = glyphButton(this, "BitBtn2", QStringLiteral("Stampa"), K::Printer, {235, 14, 75, 24});
    BitBtn2->setToolTip(QStringLiteral("Stampa del grafico"));
    BitBtn2->setEnabled(false);
    BitBtn3 = glyphButton(this, "BitBtn3", QStringLiteral("Salva"), K::Save, {315, 14, 75, 24});
    BitBtn3->setToolTip(QStringLiteral("Salva il grafico in formato BMP"));
    BitBtn3->setEnabled(false);
    for (QPushButton* b : {BitBtn2, BitBtn3})
        b->setAutoDefault(false);

    setTabOrder(ComboBoxEx1, CheckBox1);
    setTabOrder(CheckBox1, DBLookupComboBox1);
    setTabOrder(DBLookupComboBox1, ComboBox1);
    setTabOrder(ComboBox1, BitBtn1);

    if (DM_Sessioni) {
        DBLookupComboBox1->setListSource(&DM_Sessioni->DS_QLago);
        DBLookupComboBox1->setKeyField(QStringLiteral("Id_lago"));
        DBLookupComboBox1->setListField(QStringLiteral("Ds_desc"));
    }

    ConnectGuarded(SpeedButton1, &QToolButton::clicked, this, &TFrmStat::SpeedButton1Click);
    ConnectGuarded(SpeedButton2, &QToolButton::clicked, this, &TFrmStat::SpeedButton2Click);
    ConnectGuarded(CheckBox1, &QCheckBox::clicked, this, &TFrmStat::CheckBox1Click);
    ConnectGuarded(BitBtn1, &QPushButton::clicked, this, &TFrmStat::BitBtn1Click);
    ConnectGuarded(BitBtn2, &QPushButton::clicked, this, &TFrmStat::BitBtn2Click);
    ConnectGuarded(BitBtn3, &QPushButton::clicked, this, &TFrmStat::BitBtn3Click);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(320, 240));
}

void TFrmStat::ShowSelectionPanel(int open) {
    SpeedButton2->setVisible(open == 0);
    SpeedButton1->setVisible(open != 0);
    GroupBox1->setFixedHeight(open ? 161 : 36);
}

void TFrmStat::CheckBox1Click() {
    // Button face while "Tutti" is ticked (the edit colours), white otherwise; the lake
    // chosen stays selected.
    DBLookupComboBox1->setEnabled(!CheckBox1->isChecked());
}

void TFrmStat::BitBtn1Click() {
    const bool chartType = ComboBoxEx1->currentIndex() >= 0;
    const bool lake = CheckBox1->isChecked() || !DBLookupComboBox1->keyValue().isNull();
    const bool quantity = !ComboBox1->currentText().isEmpty();
    if (!chartType || !lake || !quantity) {
        showError(kMissingChoices);
        return;
    }
    DrawChart();
    BitBtn2->setEnabled(true);
    BitBtn3->setEnabled(true);
}

void TFrmStat::DrawChart() {
    const QVariant key = DBLookupComboBox1->keyValue();
    const int lake = (key.isNull() || CheckBox1->isChecked()) ? AllLakes : key.toInt();
    const int quantity = ComboBox1->currentIndex();
    DM_Statistiche->BuildStatQuery(lake, quantity);
    DM_Statistiche->RunStatQuery();
    DBChart1->setAxesVisible(true);
    DBChart1->removeAllSeries();
    const ChartKind kinds[] = {ChartKind::Pie, ChartKind::Bar, ChartKind::Line};
    DBChart1->showSeries(kinds[ComboBoxEx1->currentIndex()], DM_Statistiche->ADOQ_Statistiche,
                         DM_Statistiche->StatLabelFields.value(quantity),
                         DM_Statistiche->StatYField, 2);
    QStringList title{QStringLiteral("GRAFICO RISULTATO USCITE")};
    if (!CheckBox1->isChecked())
        title << QStringLiteral("Specchio d'acqua analizzato:") + DBLookupComboBox1->currentText();
    title << QStringLiteral("Dato analizzato:") + ComboBox1->currentText();
    DBChart1->setTitleLines(title);
}

void TFrmStat::BitBtn2Click() {
    if (!CheckPrinter(QStringLiteral("Il grafico si può salvare come bitmap con \"Salva\".")))
        return;
    DBChart1->printLandscape(DefaultPrinter());
}

void TFrmStat::BitBtn3Click() {
    SavePictureDialog1CanClose(
        AskSavePictureName(this, QStringLiteral("Salva"), QStringLiteral("Bitmaps (*.bmp)")));
}

void TFrmStat::SavePictureDialog1CanClose(const QString& fileName) {
    if (fileName.isEmpty())
        return;
    // ".bmp" anywhere in the name, letter case as written, or it is added.
    DBChart1->saveBitmap(
        fileName.contains(QLatin1String(".bmp")) ? fileName : fileName + QStringLiteral(".bmp"));
}
