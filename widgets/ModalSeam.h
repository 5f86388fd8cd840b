#pragma once

class QDialog;

// Showing a window modally goes through here, so a test can answer for the user instead of
// blocking: the program shows the window and waits for it to close; tests record it.
class ModalSeam {
public:
    virtual ~ModalSeam() = default;
    virtual int showModal(QDialog& window) = 0;
};

// The installed seam; with none installed the window really runs modally.
ModalSeam* installModalSeam(ModalSeam* seam); // returns the previous one
int ShowModal(QDialog& window);
