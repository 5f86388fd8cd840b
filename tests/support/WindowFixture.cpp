#include "tests/support/WindowFixture.h"

#include "app/U_FRM_FrmPrincipale.h"
#include "app/U_FRM_FrmStart.h"
#include "tests/support/Sql.h"

#include <QApplication>
#include <QTest>

void WindowFixture::start(const std::function<void(WindowFixture&)>& prepare,
                          const QByteArray& ini) {
    m_dir = std::make_unique<TestProgramDir>();
    if (!ini.isEmpty())
        m_dir->writeIni(ini);
    if (prepare)
        prepare(*this);
    m_messages = std::make_unique<ScriptedMessages>();
    m_modal = std::make_unique<ScriptedModal>();
    m_files = std::make_unique<ScriptedFileDialogs>();
    m_program = std::make_unique<Program>();
    if (m_program->claimLogbook())
        m_program->create();
}

bool WindowFixture::showMainWindow() {
    if (FrmStart)
        FrmStart->Timer2Timer();
    for (int i = 0; i < 20 && FrmStart; ++i)
        FrmStart->Timer1Timer();
    if (!FrmUscita || !FrmUscita->isVisible())
        return false;
    QApplication::setActiveWindow(FrmUscita);
    return QTest::qWaitForWindowActive(FrmUscita);
}

void WindowFixture::finish() {
    const QStringList unexpected = m_messages ? m_messages->unexpected() : QStringList();
    m_program.reset();
    m_files.reset();
    m_modal.reset();
    m_messages.reset();
    m_dir.reset();
    if (!unexpected.isEmpty())
        QTest::qFail(qPrintable(unexpected.join(QLatin1String("; "))), __FILE__, __LINE__);
}

void WindowFixture::exec(const QString& sql) {
    execSql(m_dir->connection(), sql);
}

QVariant WindowFixture::stored(const QString& sql) {
    return firstValue(m_dir->connection(), sql);
}
