#pragma once

#include "app/Startup.h"
#include "tests/support/ScriptedFileDialogs.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/ScriptedModal.h"
#include "tests/support/TestProgramDir.h"

#include <QVariant>
#include <functional>
#include <memory>

// What every window test starts from: a program directory from the shipped files, scripted
// message boxes, modal windows and file dialogs, the whole program created in start-up order and,
// when asked, the main window shown as after the splash. finish() (from the test's cleanup()) fails
// the test on any box it did not expect and tears everything down.
class WindowFixture {
public:
    // `prepare` runs on the fresh database before start-up; `ini` replaces qry.ini.
    void start(const std::function<void(WindowFixture&)>& prepare = {}, const QByteArray& ini = {});
    // Runs the splash through and waits for the main window to be active.
    bool showMainWindow();
    void finish();

    TestProgramDir& dir() { return *m_dir; }
    ScriptedMessages& messages() { return *m_messages; }
    ScriptedModal& modal() { return *m_modal; }
    ScriptedFileDialogs& files() { return *m_files; }
    Program& program() { return *m_program; }

    void exec(const QString& sql);
    QVariant stored(const QString& sql);

private:
    std::unique_ptr<TestProgramDir> m_dir;
    std::unique_ptr<ScriptedMessages> m_messages;
    std::unique_ptr<ScriptedModal> m_modal;
    std::unique_ptr<ScriptedFileDialogs> m_files;
    std::unique_ptr<Program> m_program;
};
