#pragma once

#include "photos/PhotoMatch.h"
#include "photos/PhotoScan.h"
#include "photos/UDM_ImportaFoto.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTreeWidget;

// "Importa foto della sessione": the photos of a chosen folder with a small preview, their
// taking time and a proposed use (a catch of the session, the reportage, nothing), which the
// angler may change; a camera-clock correction proposes again. Import stores every chosen
// path in one transaction. The photos themselves are only read.
class TFrmImportaFoto : public QDialog {
    Q_OBJECT
public:
    static const QString kCaption;
    static const QString kNoStartDate;
    static const QString kNothingChosen;
    static const QString kSameCatch; // %1: the catch

    TFrmImportaFoto(TDM_ImportaFoto& module, QWidget* parent = nullptr);

    // Reads the session; false (after saying why) when it has no start date to match against.
    bool Prepare(int sessionId);
    // Asks for a folder and lists its photos.
    void ChooseFolderClick();
    // Lists the photos of an already chosen folder (what ChooseFolderClick does after its dialog).
    void ScanFolder(const QString& folder);
    // Proposes a use for every listed photo with the current clock correction; the angler's
    // own choices are replaced.
    void Repropose();
    // Stores every photo whose use is a catch or the reportage, then says what was stored.
    void ConfirmClick();

    // The clock correction: the minutes added to every taking time (negative when the
    // camera's clock was ahead).
    int correctionMinutes() const;
    void setCorrectionMinutes(int minutes);
    // The use chosen in a row of the list, and its drop-down.
    PhotoMatch::Use useAt(int row) const;
    QComboBox* useBox(int row) const;

    QLabel* Session;
    QPushButton* Folder;
    QComboBox* Sign;
    QSpinBox* Hours;
    QSpinBox* Minutes;
    QLabel* Count;
    QTreeWidget* List;
    QPushButton* Confirm;
    QPushButton* Close;

private:
    void fillUses(QComboBox& box) const;
    void updateCount();

    TDM_ImportaFoto& m_module;
    int m_sessionId = 0;
    PhotoMatch::Session m_session;
    QList<TDM_ImportaFoto::CatchRow> m_catches;
    QSet<QString> m_stored;
    PhotoScan::Result m_scan;
    QList<PhotoMatch::Proposal> m_proposals;
};
