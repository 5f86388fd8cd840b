#pragma once

#include "photos/PhotoRelink.h"
#include "photos/UDM_Foto.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTreeWidget;

// "Trova foto spostate": the stored photo paths whose file is missing, a search through a
// folder and its subfolders for files of the same name, the proposed new paths for the
// angler to accept, change or leave, and one transaction for every accepted path.
class TFrmTrovaFoto : public QDialog {
    Q_OBJECT
public:
    static const QString kCaption;

    TFrmTrovaFoto(TDM_Foto& photos, QWidget* parent = nullptr);

    // Lists the missing photos anew.
    void Prepare();
    // Asks for a folder and proposes new paths; the search can be cancelled.
    void SearchClick();
    // Stores every accepted path and says how many were found, relinked and still missing.
    void ConfirmClick();
    // Searches an already chosen folder (what SearchClick does after its dialog).
    void SearchIn(const QString& folder);

    // How many rows have a new path that will be stored on Confirm.
    int acceptedCount() const;

    QLabel* Count;
    QTreeWidget* List;
    QPushButton* Search;
    QPushButton* Confirm;
    QPushButton* Close;

private:
    TDM_Foto& m_photos;
    QList<TDM_Foto::StoredPhoto> m_missing;
    int m_found = 0;
};
