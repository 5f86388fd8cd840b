#include "widgets/ModalSeam.h"

#include <QDialog>

namespace {
ModalSeam* g_seam = nullptr;
}

ModalSeam* installModalSeam(ModalSeam* seam) {
    ModalSeam* previous = g_seam;
    g_seam = seam;
    return previous;
}

int ShowModal(QDialog& window) {
    if (g_seam)
        return g_seam->showModal(window);
    return window.exec();
}
