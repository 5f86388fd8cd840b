#include "data/MessageSeam.h"

namespace {
MessageSeam* g_seam = nullptr;
}

MessageSeam* installMessageSeam(MessageSeam* seam) {
    MessageSeam* previous = g_seam;
    g_seam = seam;
    return previous;
}

MessageAnswer showMessage(const MessageRequest& request) {
    if (g_seam)
        return g_seam->show(request);
    // Nobody to ask: a question gets the answer that changes nothing.
    switch (request.buttons) {
    case MessageButtons::YesNo:
        return MessageAnswer::No;
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel:
        return MessageAnswer::Cancel;
    default:
        return MessageAnswer::Ok;
    }
}

void showError(const QString& text) {
    showMessage({MessageKind::Error, QStringLiteral("Error"), text, MessageButtons::Ok});
}

void showWarning(const QString& text) {
    showMessage({MessageKind::Warning, QStringLiteral("Warning"), text, MessageButtons::Ok});
}

void showInformation(const QString& text) {
    showMessage(
        {MessageKind::Information, QStringLiteral("Information"), text, MessageButtons::Ok});
}

bool askConfirmation(const QString& text) {
    return showMessage({MessageKind::Confirmation, QStringLiteral("Confirm"), text,
                        MessageButtons::YesNo}) == MessageAnswer::Yes;
}

MessageAnswer askYesNoCancel(const QString& text) {
    return showMessage(
        {MessageKind::Confirmation, QStringLiteral("Confirm"), text, MessageButtons::YesNoCancel});
}
