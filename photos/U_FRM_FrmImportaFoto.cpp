#include "photos/U_FRM_FrmImportaFoto.h"

#include "data/MessageSeam.h"
#include "widgets/ErrorGuard.h"
#include "widgets/FileDialogSeam.h"
#include "widgets/PictureError.h"
#include "widgets/PreviewCache.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

const QString TFrmImportaFoto::kCaption = QStringLiteral("IMPORTA FOTO DELLA SESSIONE");
const QString TFrmImportaFoto::kNoStartDate = QStringLiteral(
    "La sessione non ha una data d'inizio: scriverla, salvare la sessione e riaprire "
    "\"Importa foto della sessione...\".");
const QString TFrmImportaFoto::kNothingChosen =
    QStringLiteral("Nessuna foto è scelta per una preda o per il reportage: non è stato "
                   "importato nulla.");
const QString TFrmImportaFoto::kSameCatch =
    QStringLiteral("Più foto sono scelte per la stessa preda (%1): sceglierne una sola e "
                   "mandare le altre al reportage. Non è stato importato nulla.");

namespace {

const QSize kPreview(64, 48);
constexpr int kKindRole = Qt::UserRole;
constexpr int kCatchRole = Qt::UserRole + 1;

QString dateText(const QDate& d) {
    return d.toString(QStringLiteral("dd/MM/yyyy"));
}

QString catchText(int number, const TDM_ImportaFoto::CatchRow& c) {
    // "Preda 5: 08/03/2023 06:00 - 09:00, Specchi 7,65 kg": commas part the pieces, so the
    // weight keeps its decimal comma without a comma beside it.
    QString when = c.match.date.isValid() ? dateText(c.match.date) : QStringLiteral("senza data");
    if (!c.match.band.isEmpty())
        when += QLatin1Char(' ') + c.match.band;
    QStringList what;
    if (!c.kind.isEmpty())
        what << c.kind;
    if (!c.weight.isEmpty())
        what << c.weight + QStringLiteral(" kg");
    QString text = QStringLiteral("Preda %1: %2").arg(number).arg(when);
    if (!what.isEmpty())
        text += QStringLiteral(", ") + what.join(QLatin1Char(' '));
    if (c.match.hasPhoto)
        text += QStringLiteral(" (ha già una foto)");
    return text;
}

} // namespace

TFrmImportaFoto::TFrmImportaFoto(TDM_ImportaFoto& module, QWidget* parent)
    : QDialog(parent), m_module(module) {
    setObjectName(QStringLiteral("FrmImportaFoto"));
    setWindowTitle(kCaption);
    resize(940, 520);
    auto* column = new QVBoxLayout(this);
    Session = new QLabel(this);
    Session->setObjectName(QStringLiteral("Session"));
    column->addWidget(Session);
    auto* settings = new QHBoxLayout;
    Folder = new QPushButton(QStringLiteral("Scegli la &cartella..."), this);
    settings->addWidget(Folder);
    settings->addStretch();
    settings->addWidget(new QLabel(QStringLiteral("Correzione dell'orologio:"), this));
    Sign = new QComboBox(this);
    Sign->addItems({QStringLiteral("+"), QStringLiteral("-")});
    Sign->setToolTip(QStringLiteral("-: l'orologio della fotocamera era avanti"));
    Hours = new QSpinBox(this);
    Hours->setRange(0, 99);
    Hours->setSuffix(QStringLiteral(" h"));
    Minutes = new QSpinBox(this);
    Minutes->setRange(0, 59);
    Minutes->setSuffix(QStringLiteral(" min"));
    settings->addWidget(Sign);
    settings->addWidget(Hours);
    settings->addWidget(Minutes);
    column->addLayout(settings);
    Count = new QLabel(this);
    Count->setObjectName(QStringLiteral("Count"));
    Count->setWordWrap(true);
    Count->setText(QStringLiteral("Scegliere la cartella delle foto della sessione."));
    column->addWidget(Count);
    List = new QTreeWidget(this);
    List->setObjectName(QStringLiteral("List"));
    List->setColumnCount(3);
    List->setHeaderLabels(
        {QStringLiteral("Foto"), QStringLiteral("Scattata"), QStringLiteral("Uso")});
    List->setRootIsDecorated(false);
    List->setIconSize(kPreview);
    // The use is what the angler reads and changes: it takes the room that is left.
    List->header()->setStretchLastSection(true);
    List->header()->setSectionResizeMode(0, QHeaderView::Interactive);
    List->header()->resizeSection(0, 230);
    List->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    column->addWidget(List);
    auto* buttons = new QHBoxLayout;
    Confirm = new QPushButton(QStringLiteral("&Importa"), this);
    Close = new QPushButton(QStringLiteral("C&hiudi"), this);
    Confirm->setEnabled(false);
    buttons->addStretch();
    buttons->addWidget(Confirm);
    buttons->addWidget(Close);
    column->addLayout(buttons);
    ConnectGuarded(Folder, &QPushButton::clicked, this, &TFrmImportaFoto::ChooseFolderClick);
    ConnectGuarded(Confirm, &QPushButton::clicked, this, &TFrmImportaFoto::ConfirmClick);
    ConnectGuarded(Sign, &QComboBox::currentIndexChanged, this, &TFrmImportaFoto::Repropose);
    ConnectGuarded(Hours, &QSpinBox::valueChanged, this, &TFrmImportaFoto::Repropose);
    ConnectGuarded(Minutes, &QSpinBox::valueChanged, this, &TFrmImportaFoto::Repropose);
    connect(Close, &QPushButton::clicked, this, &QDialog::reject);
}

bool TFrmImportaFoto::Prepare(int sessionId) {
    const auto session = m_module.Session(sessionId);
    if (!session || !session->first.isValid()) {
        showWarning(kNoStartDate);
        return false;
    }
    m_sessionId = sessionId;
    m_session = *session;
    m_catches = m_module.Catches(sessionId);
    m_stored = m_module.StoredPaths(sessionId);
    const QDate last = m_session.last.isValid() && m_session.last > m_session.first
                           ? m_session.last
                           : m_session.first;
    Session->setText(last == m_session.first ? QStringLiteral("Sessione del %1; prede: %2.")
                                                   .arg(dateText(m_session.first))
                                                   .arg(m_catches.size())
                                             : QStringLiteral("Sessione dal %1 al %2; prede: %3.")
                                                   .arg(dateText(m_session.first), dateText(last))
                                                   .arg(m_catches.size()));
    return true;
}

void TFrmImportaFoto::ChooseFolderClick() {
    const QString folder = AskFolder(this, QStringLiteral("Cartella delle foto della sessione"));
    if (!folder.isEmpty())
        ScanFolder(folder);
}

void TFrmImportaFoto::fillUses(QComboBox& box) const {
    box.addItem(QStringLiteral("Nessuno"));
    box.setItemData(0, int(PhotoMatch::Use::Nothing), kKindRole);
    box.addItem(QStringLiteral("Reportage"));
    box.setItemData(1, int(PhotoMatch::Use::Reportage), kKindRole);
    for (int i = 0; i < m_catches.size(); ++i) {
        box.addItem(catchText(i + 1, m_catches[i]));
        box.setItemData(box.count() - 1, int(PhotoMatch::Use::Catch), kKindRole);
        box.setItemData(box.count() - 1, m_catches[i].match.id, kCatchRole);
    }
}

void TFrmImportaFoto::ScanFolder(const QString& folder) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_scan = PhotoScan::scanFolder(folder);
    List->clear();
    for (const PhotoScan::Found& photo : m_scan.photos) {
        auto* item = new QTreeWidgetItem(List, {QFileInfo(photo.path).fileName()});
        item->setToolTip(0, QDir::toNativeSeparators(photo.path));
        try {
            const QImage preview = PreviewCache::load(photo.path, kPreview);
            item->setIcon(0, QPixmap::fromImage(preview.scaled(kPreview, Qt::KeepAspectRatio,
                                                               Qt::SmoothTransformation)));
        } catch (const PictureError& e) {
            item->setText(0, item->text(0) + QStringLiteral(" (anteprima non disponibile)"));
            item->setToolTip(0, e.message());
        }
        auto* box = new QComboBox(List);
        fillUses(*box);
        List->setItemWidget(item, 2, box);
    }
    QApplication::restoreOverrideCursor();
    Repropose();
}

int TFrmImportaFoto::correctionMinutes() const {
    const int minutes = Hours->value() * 60 + Minutes->value();
    return Sign->currentIndex() == 1 ? -minutes : minutes;
}

void TFrmImportaFoto::setCorrectionMinutes(int minutes) {
    const QSignalBlocker s(Sign), h(Hours), m(Minutes);
    Sign->setCurrentIndex(minutes < 0 ? 1 : 0);
    Hours->setValue(std::abs(minutes) / 60);
    Minutes->setValue(std::abs(minutes) % 60);
    Repropose();
}

QComboBox* TFrmImportaFoto::useBox(int row) const {
    return qobject_cast<QComboBox*>(List->itemWidget(List->topLevelItem(row), 2));
}

PhotoMatch::Use TFrmImportaFoto::useAt(int row) const {
    const QComboBox* box = useBox(row);
    return {PhotoMatch::Use::Kind(box->currentData(kKindRole).toInt()),
            box->currentData(kCatchRole).toLongLong()};
}

void TFrmImportaFoto::Repropose() {
    QList<PhotoMatch::Photo> photos;
    for (const PhotoScan::Found& f : m_scan.photos)
        photos.push_back({f.path, f.taken});
    QList<PhotoMatch::Catch> catches;
    for (const TDM_ImportaFoto::CatchRow& c : m_catches)
        catches.push_back(c.match);
    m_proposals = PhotoMatch::propose(m_session, catches, photos, correctionMinutes(), m_stored);
    for (int row = 0; row < m_proposals.size(); ++row) {
        const PhotoMatch::Proposal& p = m_proposals[row];
        QTreeWidgetItem* item = List->topLevelItem(row);
        QString time = p.shifted.isValid() ? p.shifted.toString(QStringLiteral("dd/MM/yyyy HH:mm"))
                                           : QStringLiteral("senza ora");
        if (m_scan.photos[row].fileTime)
            time += QStringLiteral(" (ora del file)");
        if (p.alreadyStored)
            time += QStringLiteral(" - già nella sessione");
        else if (p.outside)
            time += QStringLiteral(" - fuori dalla sessione");
        item->setText(1, time);
        item->setToolTip(1, m_scan.photos[row].fileTime
                                ? QStringLiteral("La foto non dice quando è stata scattata: è "
                                                 "l'ora dell'ultima modifica del file, meno "
                                                 "sicura.")
                                : QStringLiteral("L'ora di scatto della fotocamera."));
        QComboBox* box = useBox(row);
        int index = 0;
        for (int i = 0; i < box->count(); ++i)
            if (box->itemData(i, kKindRole).toInt() == int(p.use.kind) &&
                box->itemData(i, kCatchRole).toLongLong() == p.use.catchId)
                index = i;
        box->setCurrentIndex(index);
    }
    updateCount();
    Confirm->setEnabled(!m_scan.photos.isEmpty());
}

void TFrmImportaFoto::updateCount() {
    if (m_scan.folderUnreadable) {
        Count->setText(QStringLiteral("La cartella non si può leggere: sceglierne un'altra."));
        return;
    }
    int outside = 0, toCatch = 0, toReportage = 0;
    for (const PhotoMatch::Proposal& p : m_proposals) {
        outside += p.outside && !p.alreadyStored;
        toCatch += p.use.kind == PhotoMatch::Use::Catch;
        toReportage += p.use.kind == PhotoMatch::Use::Reportage;
    }
    QStringList parts{QStringLiteral("Foto nella cartella: %1; proposte per una preda: %2, per "
                                     "il reportage: %3; fuori dalla sessione: %4.")
                          .arg(m_scan.photos.size())
                          .arg(toCatch)
                          .arg(toReportage)
                          .arg(outside)};
    if (m_scan.empty > 0)
        parts << QStringLiteral("Saltati perché vuoti: %1.").arg(m_scan.empty);
    if (m_scan.unreadable > 0)
        parts << QStringLiteral("Saltati perché non leggibili: %1.").arg(m_scan.unreadable);
    if (m_scan.damagedExif > 0)
        parts << QStringLiteral("Dati EXIF danneggiati: %1 (usata l'ora del file).")
                     .arg(m_scan.damagedExif);
    Count->setText(parts.join(QLatin1Char(' ')));
}

void TFrmImportaFoto::ConfirmClick() {
    QList<TDM_ImportaFoto::Assignment> chosen;
    QHash<qint64, int> perCatch;
    for (int row = 0; row < List->topLevelItemCount(); ++row) {
        const PhotoMatch::Use use = useAt(row);
        if (use.kind == PhotoMatch::Use::Nothing)
            continue;
        chosen.push_back({m_scan.photos[row].path, use});
        if (use.kind == PhotoMatch::Use::Catch && ++perCatch[use.catchId] == 2) {
            // One catch keeps one photo: the other would be silently lost.
            showWarning(kSameCatch.arg(useBox(row)->currentText()));
            return;
        }
    }
    if (chosen.isEmpty()) {
        showInformation(kNothingChosen);
        return;
    }
    const TDM_ImportaFoto::Stored stored = m_module.Store(m_sessionId, chosen);
    showInformation(QStringLiteral("Foto importate: %1 (per le prede: %2, nel reportage: %3). "
                                   "Non importate: %4.")
                        .arg(stored.catches + stored.reportage)
                        .arg(stored.catches)
                        .arg(stored.reportage)
                        .arg(List->topLevelItemCount() - int(chosen.size())));
    accept();
}
