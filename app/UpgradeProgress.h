#pragma once

#include <QElapsedTimer>
#include <QProgressDialog>
#include <memory>

// An upgrade of the logbook that lasts shows that the program is working: past the delay a
// progress dialog without a cancel button appears, and the screen keeps painting while the
// upgrade runs. Input is held back, so nothing can reach the logbook meanwhile.
class UpgradeProgress {
public:
    static const QString kText;

    explicit UpgradeProgress(int delayMs = 500);
    ~UpgradeProgress();
    UpgradeProgress(const UpgradeProgress&) = delete;
    UpgradeProgress& operator=(const UpgradeProgress&) = delete;

    // What the upgrade calls now and then.
    void tick();
    // The dialog, once it has appeared; null before.
    const QProgressDialog* dialog() const { return m_dialog.get(); }

private:
    int m_delayMs;
    QElapsedTimer m_started;
    QElapsedTimer m_painted;
    std::unique_ptr<QProgressDialog> m_dialog;
};
