#pragma once

#include "details/DetailPanel.h"
#include "widgets/PictureFiles.h"

class DBComboBox;
class DBEdit;
class DBGrid;
class DBLookupComboBox;
class DBNavigator;
class PictureBox;
class QImage;
class QSize;
class QFrame;
class QGroupBox;
class RecordToolBar;
class TDM_Sessioni;
class ToolButton;

// The catches of the current session (group "PREDE"): the grid of catches, the fields of the
// current catch, its photo previewed beside them and zoomed in the photo viewer, and the
// catch tool bar. The photo is a path to a picture file; the file is never touched.
class TCatchPanel : public TDetailPanel {
    Q_OBJECT
public:
    static const QString kPhotoNotFound;
    static const QString kPreviewHint;
    // Written on the grey preview of a photo whose file is not found.
    static const QString kMissingNote;
    static inline const QString& kPictureFilter = kPictureFileFilter;

    TCatchPanel(QGroupBox* groupBox3, RecordToolBar* toolBar);
    void bind(TDM_Sessioni& module);

    void reloaded() override;
    void setEditable(bool on) override { SetCatchEditable(on); }

    void SetCatchEditable(bool on);
    void SetupCatchGrid(bool on);
    void SetCatchNavigation(bool on);
    // The preview of the path now in the hidden path box; a failure goes to the caller.
    void ReloadCatchPhoto();

    void SBNew_PredeClick();
    void SBSave_PredeClick();
    void SBCancel_PredeClick();
    void SBDel_PredeClick();
    void SB_Prede_ApriImgClick();
    // The user confirmed a file in the open dialog.
    void OPD_PredeCanClose(const QString& fileName);
    // A new catch whose date and hour band are both empty takes them from its photo's taking
    // time (the camera's, else the file's); the band only when one of the list holds it.
    void TakeTimeFromPhoto(const QString& fileName);
    void DBEditQPredeImgChange();
    void SB_Prede_ZoomImgClick();
    void SpeedButton10Click();

    DBGrid* DBGrid2;
    DBEdit* DBEdit2;
    DBLookupComboBox* DBLookupComboBox7;
    DBComboBox* DBComboTipoPreda;
    DBEdit* DBEdit3;
    DBLookupComboBox* DBLookupComboBox2;
    DBLookupComboBox* DBLookupComboBox3;
    DBLookupComboBox* DBLookupComboBox4;
    DBLookupComboBox* DBLookupComboBox5;
    DBEdit* DBEdit4;
    DBLookupComboBox* DBLookupComboBox6;
    DBLookupComboBox* DBLookupComboBox1;
    DBComboBox* DBComboBox2;
    DBEdit* DBEditQPredeImg;
    QFrame* Shape1;
    PictureBox* Image1;
    ToolButton* SpeedButton10;
    ToolButton* SB_Prede_ApriImg;
    ToolButton* SB_Prede_ZoomImg;
    ToolButton* SpeedButton5;
    ToolButton* SpeedButton6;
    ToolButton* SpeedButton7;
    ToolButton* SpeedButton8;
    ToolButton* SpeedButton3;
    RecordToolBar* TB_Prede;
    DBNavigator* DBN_Prede;
    ToolButton* SBNew_Prede;
    ToolButton* SBCancel_Prede;
    ToolButton* SBSave_Prede;
    ToolButton* SBDel_Prede;

private:
    // The one place the preview of the current catch's photo is set.
    void showPhoto(bool reportMissing);
    static QImage missingPhoto(const QSize& size);

    QGroupBox* m_group;
};
