#include "data/UDM_Connessione.h"

#include "data/DailyBackup.h"
#include "data/LogbookUpgrade.h"
#include "data/DailyBackupRun.h"
#include "data/MessageSeam.h"
#include "data/U_QFile.h"
#include "engine/EngineError.h"

TDM_Conn* DM_Conn = nullptr;

const QString TDM_Conn::kConnectionString = QStringLiteral(
    "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=DATA2.MDB;Persist Security Info=False");

const QString TDM_Conn::kConnectionFailed = QStringLiteral(
    "Si sono verificati errori durante l'accesso ai dati. Controllare la \r\npresenza di un "
    "file con estensione mdb  nella stessa cartella \r\ndel programma.");

TDM_Conn::TDM_Conn() : ComponentOwner(QStringLiteral("DM_Conn")) {}

const QString TDM_Conn::kBackupFailed = QStringLiteral(
    "La copia di sicurezza giornaliera dell'archivio non è stata salvata (%1). Il programma "
    "prosegue normalmente.");

const QString TDM_Conn::kDamaged = QStringLiteral(
    "L'archivio risulta danneggiato: la copia di sicurezza di oggi non è stata fatta e le "
    "copie precedenti sono conservate nella cartella backup. Chiudere il programma e "
    "ripristinare la copia integra più recente.");

const QString TDM_Conn::kFolderReadOnly = QStringLiteral(
    "Nella cartella del programma non si possono creare file: l'archivio è aperto in sola "
    "lettura e le modifiche non potranno essere salvate.");

const QString TDM_Conn::kReadOnly =
    QStringLiteral("L'archivio è in sola lettura: le modifiche non potranno essere salvate.");

void TDM_Conn::DataModuleCreate() {
    try {
        ADOConnection1.open(kConnectionString, ProgramDir(), FolderReadOnly);
    } catch (const EngineError&) {
        showError(kConnectionFailed);
        return;
    }
    if (FolderReadOnly)
        showWarning(kFolderReadOnly);
    else if (ADOConnection1.isReadOnly())
        showWarning(kReadOnly);
}

void TDM_Conn::StartDailyBackup() {
    if (!ADOConnection1.isOpen() || m_backup.started())
        return;
    const bool quiet = FolderReadOnly; // the one warning of the start has said it all
    m_backup.start(ADOConnection1.filePath(), QDate::currentDate(),
                   [quiet](DailyBackup::Outcome outcome, const QString& failure) {
                       if (!failure.isEmpty()) {
                           if (!quiet)
                               showWarning(kBackupFailed.arg(failure));
                       } else if (outcome == DailyBackup::Outcome::Damaged) {
                           showWarning(kDamaged);
                       }
                   });
}

void TDM_Conn::UpgradeLogbook(const std::function<void()>& progress) {
    if (!ADOConnection1.isOpen())
        return;
    const LogbookUpgrade::Result result =
        LogbookUpgrade::run(ADOConnection1, LogbookFormat::shipped(), progress);
    if (result.outcome == LogbookUpgrade::Outcome::Newer)
        ADOConnection1.setReadOnly();
    if (!result.message.isEmpty())
        showWarning(result.message);
}

bool TDM_Conn::HasFormat(int version) const {
    return LogbookFormat::has(ADOConnection1, version);
}
