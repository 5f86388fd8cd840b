#pragma once

#include <QString>
#include <functional>

class QPaintDevice;
class QWidget;

// Saving a printable page as a PDF file: the name asked through the file dialog (".pdf"
// added when missing), an existing file replaced only after a question, the file written
// whole or not at all. `paint` draws the document on the PDF writer, exactly as it would
// on a printer. Returns the path written, empty when nothing was (cancelled or failed,
// the failure said in a box).
QString SavePdf(QWidget* parent, const QString& caption,
                const std::function<void(QPaintDevice&)>& paint);
