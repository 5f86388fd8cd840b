#include "widgets/QtMessageSeam.h"

#include <QApplication>
#include <QMessageBox>

MessageAnswer QtMessageSeam::show(const MessageRequest& request) {
    QMessageBox::Icon icon = QMessageBox::Information;
    switch (request.kind) {
    case MessageKind::Error:
        icon = QMessageBox::Critical;
        break;
    case MessageKind::Warning:
        icon = QMessageBox::Warning;
        break;
    case MessageKind::Information:
        icon = QMessageBox::Information;
        break;
    case MessageKind::Confirmation:
        icon = QMessageBox::Question;
        break;
    }
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    if (request.buttons == MessageButtons::YesNo)
        buttons = QMessageBox::Yes | QMessageBox::No;
    else if (request.buttons == MessageButtons::OkCancel)
        buttons = QMessageBox::Ok | QMessageBox::Cancel;
    else if (request.buttons == MessageButtons::YesNoCancel)
        buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;

    QString text = request.text;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QMessageBox box(icon, request.caption, text, buttons, QApplication::activeWindow());
    // A message may quote what the user typed: never read it as markup.
    box.setTextFormat(Qt::PlainText);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        // Closed without a choice: the answer that changes nothing.
        switch (request.buttons) {
        case MessageButtons::YesNo:
            return MessageAnswer::No;
        case MessageButtons::Ok:
            return MessageAnswer::Ok;
        default:
            return MessageAnswer::Cancel;
        }
    }
}
