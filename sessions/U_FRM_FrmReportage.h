#pragma once

#include "widgets/PictureFiles.h"

#include <QDialog>

class DBEdit;
class DBGrid;
class PictureBox;
class QCheckBox;
class QFrame;
class QLabel;
class RecordToolBar;
class ToolButton;

// The photo reportage of a session: one picture at a time in an area shaped like a 10 x 15
// print, the list of comments below it, and the four record buttons. Modal, resizable, reused
// from one opening to the next (the "Adatta" choice stays).
class TFrmReportage : public QDialog {
    Q_OBJECT
public:
    static const QString kSavePending;
    static inline const QString& kPictureFilter = kPictureFileFilter;

    explicit TFrmReportage(QWidget* parent = nullptr);

    // Loads the entries of the current session and keeps only the comment column in the grid.
    void PrepareReportage();

    void SBNew_SessioneClick();
    void SBCancel_SessioneClick();
    void SBSave_SessioneClick();
    void SBDel_SessioneClick();
    void SpeedButton1Click();
    // The user confirmed a file in the open dialog.
    void OpenPictureDialog1CanClose(const QString& fileName);
    void Ds_percorsoChange();
    void CheckBox1Click();

    // Closing with an entry still pending asks whether to save it first.
    void done(int result) override;

    int ReportageSessionId = 0;

    QFrame* Panel1;
    PictureBox* Image1;
    DBGrid* DBGrid1;
    RecordToolBar* TB_Sessione;
    DBEdit* Ds_commento;
    DBEdit* Ds_percorso;
    QCheckBox* CheckBox1;
    QLabel* StaticText1;
    ToolButton* SpeedButton1;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // The current entry's picture, decoded unless it is the one already shown.
    void showPicture();

    QString m_shownPath;
};

extern TFrmReportage* FrmReportage;
