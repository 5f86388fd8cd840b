#include "app/UpgradeProgress.h"

#include <QCoreApplication>

const QString UpgradeProgress::kText = QStringLiteral("Aggiornamento dell'archivio in corso...");

UpgradeProgress::UpgradeProgress(int delayMs) : m_delayMs(delayMs) {
    m_started.start();
}

UpgradeProgress::~UpgradeProgress() = default;

void UpgradeProgress::tick() {
    if (!m_dialog) {
        if (m_started.elapsed() < m_delayMs)
            return;
        m_dialog = std::make_unique<QProgressDialog>();
        m_dialog->setWindowTitle(QStringLiteral("LunkerLedger"));
        m_dialog->setLabelText(kText);
        m_dialog->setCancelButton(nullptr);
        m_dialog->setRange(0, 0); // how long is not known: a moving bar
        m_dialog->setWindowModality(Qt::ApplicationModal);
        m_dialog->show();
    } else if (m_painted.isValid() && m_painted.elapsed() < 40) {
        return;
    }
    m_dialog->setValue(0);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    m_painted.start();
}
