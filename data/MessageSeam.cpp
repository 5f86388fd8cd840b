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
    return request.buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
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
