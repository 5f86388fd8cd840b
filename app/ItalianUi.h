#pragma once

class QApplication;

// Qt's own Italian translations (so standard buttons and dialogs speak Italian) and the
// program's font substitutions.
void InstallItalianUi(QApplication& app);
