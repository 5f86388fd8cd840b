#pragma once

#include "app/MainWindowHost.h"

#include <QMainWindow>
#include <memory>

class DBNavigator;
class QDialog;
class ModulePanel;
class QAction;
class QFrame;
class QGroupBox;
class QMenu;
class QStatusBar;
class RecordToolBar;
class TAnglersPanel;
class TCatchPanel;
class TGroundbaitPanel;
class TFrmStart;
class TSessionPanel;

// The main window: a fixed frame with the menu, the session group (with the anglers group
// inside it), the groundbait and catch groups, their three tool bars and an empty status
// bar. Its creation brings up the splash; its first showing captures the datasets behind its
// navigators, refreshes the whole window and releases the splash. Closing it ends the program.
class TFrmUscita : public QMainWindow, public MainWindowHost {
    Q_OBJECT
public:
    TFrmUscita();
    ~TFrmUscita() override;

    // Binds the navigators and controls to the data sources of the modules created so far.
    void BindDataSources();
    void CaptureDataSetNames();
    // Starts the splash's fade. Start-up calls it once every window and module exists: a
    // message box shown while they are being created runs its own event loop, and the
    // splash must not hand over to this window before there is anything to show.
    void StartSplashFade();
    // The refresh of the whole window after every move and record operation.
    void RefreshMainWindow() override;
    bool SavePendingDetails(const Query* except = nullptr) override;
    // Shows the format warning after a conversion error, then refreshes.
    void HandleOperationResult(int result) override;

    static const QString kUnsavedOnExit;
    // With something still being entered or edited, asks whether to save it before leaving:
    // true to leave (saved, or not wanted), false to stay (cancelled, or a save failed).
    bool ConfirmExit();

    static const QString kReplaceCsv;
    static const QString kCsvCancelled;
    void Statistiche1Click();
    // A window of the menu, shown modally; the focus comes back where it was.
    void ShowFromMenu(QDialog& window);
    // Writes the sessions, catches and groundbait days as CSV files into a chosen folder.
    void EsportaCsv1Click();
    void TrovaFoto1Click();
    // The lakes' latitude and longitude.
    void PosizioneLaghi1Click();
    // The sun's and the moon's times for every day of the current session.
    void SoleLuna1Click();
    // The photos of a folder for the current session's catches and reportage.
    void ImportaFoto1Click();
    // The items that need a saved current session are on only when there is one.
    void UpdateSessionFeatures();
    // The items that need a newer logbook format are on only where the logbook has it; the
    // others carry kNeedsFormat as their hint. Run once the connection is open.
    void UpdateFormatFeatures();
    static const QString kNeedsFormat;
    void Stampamodulo1Click();
    // The blank form as a PDF file, for printing elsewhere.
    void SalvaModuloPdf1Click();
    void Esci1Click();
    void About2Click();

    QString SessionDataSetName;
    QString GroundbaitDataSetName;
    QString CatchDataSetName;

    QMenu* Menu1;
    QAction* Statistiche1;
    QAction* Stampamodulo1;
    QAction* SalvaModuloPdf1;
    QAction* EsportaCsv1;
    QAction* TrovaFoto1;
    QAction* PosizioneLaghi1;
    QAction* SoleLuna1;
    QAction* ImportaFoto1;
    QAction* Esci1;
    QMenu* About1;
    QAction* About2;
    QGroupBox* GroupBox1;
    QGroupBox* GroupBox4;
    QGroupBox* GroupBox2;
    QGroupBox* GroupBox3;
    RecordToolBar* TB_Sessione;
    RecordToolBar* TB_Pastura;
    RecordToolBar* TB_Prede;
    DBNavigator* DBN_Sessioni;
    DBNavigator* DBN_Pastura;
    DBNavigator* DBN_Prede;
    QStatusBar* StatusBar1;
    TSessionPanel* SessionPanel;
    TAnglersPanel* AnglersPanel;
    TGroundbaitPanel* GroundbaitPanel;
    TCatchPanel* CatchPanel;

    TFrmStart* splash() const { return m_splash.get(); }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void buildMenu();
    void buildFrame(QWidget* client);
    // Wires a panel's reports to the window: pending rows saved before it acts, the common
    // handling after each operation and the refresh after a move.
    void connectPanel(ModulePanel* panel);
    // After a record button or a closed window: the focus back where the user was.
    void ReturnFocus(QWidget* before);

    std::unique_ptr<TFrmStart> m_splash;
    // While a save that failed on a conversion is being refreshed, the detail row it left
    // pending is kept with what was typed instead of being reloaded away.
    bool m_keepPendingDetails = false;
};

extern TFrmUscita* FrmUscita;
