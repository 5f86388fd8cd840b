#include "print/PdfSave.h"

#include "data/MessageSeam.h"
#include "widgets/FileDialogSeam.h"

#include <QDir>
#include <QFileInfo>
#include <QPdfWriter>
#include <QSaveFile>
#include <stdexcept>

QString SavePdf(QWidget* parent, const QString& caption,
                const std::function<void(QPaintDevice&)>& paint) {
    QString path = AskSaveFileName(parent, caption, QStringLiteral("Documenti PDF (*.pdf)"));
    if (path.isEmpty())
        return {};
    if (QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) != 0)
        path += QStringLiteral(".pdf");
    const QString shown = QDir::toNativeSeparators(path);
    if (QFileInfo::exists(path) &&
        !askConfirmation(QStringLiteral("Il file '%1' esiste già: sostituirlo?").arg(shown)))
        return {};
    QSaveFile file(path); // an old file stays as it was until the new one is complete
    if (!file.open(QIODevice::WriteOnly)) {
        showError(
            QStringLiteral("Impossibile scrivere il file '%1': %2").arg(shown, file.errorString()));
        return {};
    }
    {
        QPdfWriter writer(&file);
        writer.setCreator(QStringLiteral("LunkerLedger"));
        writer.setTitle(QFileInfo(path).completeBaseName());
        paint(writer);
    }
    if (!file.commit()) {
        showError(
            QStringLiteral("Impossibile scrivere il file '%1': %2").arg(shown, file.errorString()));
        return {};
    }
    return path;
}
