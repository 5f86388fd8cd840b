#pragma once

#include <QDialog>

class DBChart;
class DBLookupComboBox;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class ToolButton;

// The statistics window: a chart type, a lake (or all) and an analysed quantity are chosen
// in the selection panel over the chart's corner; "OK" draws the catch counts, which can be
// printed and saved as a bitmap. Reused from one opening to the next, choices and chart kept.
class TFrmStat : public QDialog {
    Q_OBJECT
public:
    static const QString kMissingChoices;

    explicit TFrmStat(QWidget* parent = nullptr);

    // Opens (1) or closes (0) the selection panel.
    void ShowSelectionPanel(int open);
    void DrawChart();

    void SpeedButton1Click() { ShowSelectionPanel(0); }
    void SpeedButton2Click() { ShowSelectionPanel(1); }
    void CheckBox1Click();
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    // The user confirmed a file name in the save dialog.
    void SavePictureDialog1CanClose(const QString& fileName);

    DBChart* DBChart1;
    QGroupBox* GroupBox1;
    ToolButton* SpeedButton2;
    ToolButton* SpeedButton1;
    QLabel* Label1;
    QComboBox* ComboBoxEx1;
    QLabel* Label2;
    QCheckBox* CheckBox1;
    DBLookupComboBox* DBLookupComboBox1;
    QLabel* Label4;
    QComboBox* ComboBox1;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QPushButton* BitBtn3;
};

extern TFrmStat* FrmStat;
