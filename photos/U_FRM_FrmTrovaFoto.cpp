#include "photos/U_FRM_FrmTrovaFoto.h"

#include "data/MessageSeam.h"
#include "widgets/ErrorGuard.h"
#include "widgets/FileDialogSeam.h"

#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

const QString TFrmTrovaFoto::kCaption = QStringLiteral("TROVA FOTO SPOSTATE");

namespace {

const QString kChoose = QStringLiteral("(scegliere quale)");

} // namespace

TFrmTrovaFoto::TFrmTrovaFoto(TDM_Foto& photos, QWidget* parent)
    : QDialog(parent), m_photos(photos) {
    setObjectName(QStringLiteral("FrmTrovaFoto"));
    setWindowTitle(kCaption);
    resize(760, 420);
    auto* column = new QVBoxLayout(this);
    Count = new QLabel(this);
    Count->setObjectName(QStringLiteral("Count"));
    column->addWidget(Count);
    List = new QTreeWidget(this);
    List->setObjectName(QStringLiteral("List"));
    List->setColumnCount(2);
    List->setHeaderLabels({QStringLiteral("Foto non trovata"), QStringLiteral("Nuovo percorso")});
    List->setRootIsDecorated(false);
    List->header()->setSectionResizeMode(QHeaderView::Stretch);
    column->addWidget(List);
    auto* buttons = new QHBoxLayout;
    Search = new QPushButton(QStringLiteral("&Cerca in una cartella..."), this);
    Confirm = new QPushButton(QStringLiteral("C&onferma"), this);
    Close = new QPushButton(QStringLiteral("C&hiudi"), this);
    Confirm->setEnabled(false);
    buttons->addWidget(Search);
    buttons->addStretch();
    buttons->addWidget(Confirm);
    buttons->addWidget(Close);
    column->addLayout(buttons);
    ConnectGuarded(Search, &QPushButton::clicked, this, &TFrmTrovaFoto::SearchClick);
    ConnectGuarded(Confirm, &QPushButton::clicked, this, &TFrmTrovaFoto::ConfirmClick);
    connect(Close, &QPushButton::clicked, this, &QDialog::reject);
}

void TFrmTrovaFoto::Prepare() {
    m_missing = m_photos.MissingPhotos();
    m_found = 0;
    List->clear();
    for (const TDM_Foto::StoredPhoto& p : m_missing) {
        auto* item = new QTreeWidgetItem(List, {QDir::toNativeSeparators(p.path), QString()});
        item->setToolTip(0, p.owner == TDM_Foto::StoredPhoto::Catch ? QStringLiteral("Preda")
                                                                    : QStringLiteral("Reportage"));
    }
    Count->setText(m_missing.isEmpty()
                       ? QStringLiteral("Tutte le foto dell'archivio sono al loro posto.")
                       : QStringLiteral("Foto non trovate: %1").arg(m_missing.size()));
    Search->setEnabled(!m_missing.isEmpty());
    Confirm->setEnabled(false);
}

void TFrmTrovaFoto::SearchClick() {
    const QString folder = AskFolder(this, QStringLiteral("Cartella in cui cercare le foto"));
    if (!folder.isEmpty())
        SearchIn(folder);
}

void TFrmTrovaFoto::SearchIn(const QString& folder) {
    QProgressDialog progress(QStringLiteral("Ricerca delle foto in corso..."),
                             QStringLiteral("Annulla"), 0, 0, this);
    progress.setWindowTitle(kCaption);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(400);
    const PhotoRelink::FolderIndex index = PhotoRelink::indexFolder(folder, [&progress](int seen) {
        progress.setLabelText(
            QStringLiteral("Ricerca delle foto in corso... %1 file esaminati").arg(seen));
        progress.setValue(0);
        return !progress.wasCanceled();
    });
    progress.reset();
    if (index.cancelled) {
        Count->setText(QStringLiteral("Ricerca annullata: nessun percorso proposto."));
        return;
    }
    m_found = 0;
    for (int row = 0; row < List->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = List->topLevelItem(row);
        List->removeItemWidget(item, 1);
        const PhotoRelink::Proposal p = PhotoRelink::propose(m_missing[row].path, index);
        item->setData(1, Qt::UserRole, QString());
        item->setData(0, Qt::CheckStateRole, QVariant());
        if (p.kind == PhotoRelink::Proposal::NotFound) {
            item->setText(1, QStringLiteral("non trovata"));
            continue;
        }
        ++m_found;
        item->setCheckState(0,
                            p.kind == PhotoRelink::Proposal::Found ? Qt::Checked : Qt::Unchecked);
        if (p.candidates.size() == 1) {
            item->setText(1, QDir::toNativeSeparators(p.newPath));
            item->setData(1, Qt::UserRole, p.newPath);
            continue;
        }
        // Several files of that name: the angler may pick another than the proposed one.
        item->setText(1, QString());
        auto* choice = new QComboBox(List);
        if (p.kind == PhotoRelink::Proposal::Choose)
            choice->addItem(kChoose);
        for (const QString& c : p.candidates)
            choice->addItem(QDir::toNativeSeparators(c), c);
        if (p.kind == PhotoRelink::Proposal::Found)
            choice->setCurrentIndex(int(p.candidates.indexOf(p.newPath)));
        item->setData(1, Qt::UserRole, p.newPath);
        connect(choice, &QComboBox::currentIndexChanged, this, [item, choice] {
            const QString chosen = choice->currentData().toString();
            item->setData(1, Qt::UserRole, chosen);
            item->setCheckState(0, chosen.isEmpty() ? Qt::Unchecked : Qt::Checked);
        });
        List->setItemWidget(item, 1, choice);
    }
    QString summary = QStringLiteral("Foto non trovate: %1; ritrovate nella cartella: %2.")
                          .arg(m_missing.size())
                          .arg(m_found);
    if (index.unreadableFolders > 0)
        summary +=
            QStringLiteral(" Cartelle non leggibili, saltate: %1.").arg(index.unreadableFolders);
    Count->setText(summary);
    Confirm->setEnabled(m_found > 0);
}

int TFrmTrovaFoto::acceptedCount() const {
    int n = 0;
    for (int row = 0; row < List->topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = List->topLevelItem(row);
        n +=
            item->checkState(0) == Qt::Checked && !item->data(1, Qt::UserRole).toString().isEmpty();
    }
    return n;
}

void TFrmTrovaFoto::ConfirmClick() {
    QList<TDM_Foto::Change> changes;
    for (int row = 0; row < List->topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = List->topLevelItem(row);
        const QString chosen = item->data(1, Qt::UserRole).toString();
        if (item->checkState(0) == Qt::Checked && !chosen.isEmpty())
            changes.push_back({m_missing[row], chosen});
    }
    const int relinked = m_photos.Relink(changes); // one transaction: all or nothing
    const int total = int(m_missing.size());
    const int found = m_found;
    Prepare();
    showInformation(QStringLiteral("Foto ritrovate: %1. Ricollegate: %2. Ancora mancanti: %3.")
                        .arg(found)
                        .arg(relinked)
                        .arg(total - relinked));
}
