#pragma once

#include "widgets/ModalSeam.h"

#include <QDialog>
#include <QList>
#include <functional>

// The modal seam for tests: records each window shown modally and, instead of waiting for
// a user, runs the test's script while the window is "open", then returns its result.
class ScriptedModal : public ModalSeam {
public:
    ScriptedModal() : m_previous(installModalSeam(this)) {}
    ~ScriptedModal() override { installModalSeam(m_previous); }

    int showModal(QDialog& window) override {
        shown << &window;
        captions << window.windowTitle();
        return whileOpen ? whileOpen(window) : int(QDialog::Accepted);
    }

    std::function<int(QDialog&)> whileOpen;
    QList<QDialog*> shown;
    QStringList captions;

private:
    ModalSeam* m_previous;
};
