#pragma once

#include <QDialog>

class DBEdit;
class DBGrid;
class QGroupBox;
class RecordToolBar;
class ToolButton;

// The list editor: one small modal dialog for the nine lookup lists. Opening it on a list
// points the lists module's data source at that list and shows its descriptions only.
class TFrmCambiaElenco : public QDialog {
    Q_OBJECT
public:
    static const QString kConversionError;
    static const QString kEmptyDescription;
    static const QString kDuplicateDescription;

    explicit TFrmCambiaElenco(QWidget* parent = nullptr);

    // Opens the dialog on the list with this code (1 to 9) and returns when it is closed.
    void EditList(const QString& caption, int code);
    void ShowDescriptionColumn(const QString& columnName);
    void SaveListItem();

    void SBNew_SessioneClick();
    void SBCancel_SessioneClick();
    void SBSave_SessioneClick();
    void SBDel_SessioneClick();
    void SpeedButton1Click();
    void DBEdit1KeyDown(int key);

    QString ListDataSetName;

    // Closing neither saves nor cancels, but what was typed stays in the element being edited.
    void done(int result) override;

private:
    // False, after saying why, when the description typed is empty or already in the list.
    bool descriptionAcceptable();

public:
    QGroupBox* GroupBox1;
    DBGrid* DBGrid1;
    DBEdit* DBEdit1;
    RecordToolBar* TB_Sessione;
    ToolButton* SBNew_Sessione;
    ToolButton* SBCancel_Sessione;
    ToolButton* SBSave_Sessione;
    ToolButton* SBDel_Sessione;
    ToolButton* SpeedButton1;
};

extern TFrmCambiaElenco* FrmCambiaElenco;
