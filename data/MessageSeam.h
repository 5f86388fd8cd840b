#pragma once

#include <QString>

// Every message box of the program goes through here, so logic never opens a window
// itself: the program installs boxes on screen, tests install a script that records the
// texts and gives the answers a case needs.
enum class MessageKind { Error, Warning, Information, Confirmation };
enum class MessageButtons { Ok, YesNo, OkCancel, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

struct MessageRequest {
    MessageKind kind = MessageKind::Information;
    QString caption;
    QString text; // line breaks are written "\r\n"
    MessageButtons buttons = MessageButtons::Ok;
};

class MessageSeam {
public:
    virtual ~MessageSeam() = default;
    virtual MessageAnswer show(const MessageRequest& request) = 0;
};

// The installed seam. With none installed, nothing is shown and every question gets the
// answer that changes nothing (No, Cancel).
MessageSeam* installMessageSeam(MessageSeam* seam); // returns the previous one
MessageAnswer showMessage(const MessageRequest& request);

// The program's four kinds of box, with their fixed captions.
void showError(const QString& text);
void showWarning(const QString& text);
void showInformation(const QString& text);
bool askConfirmation(const QString& text); // Yes and No; true on Yes
// Yes, No and Cancel, caption "Confirm".
MessageAnswer askYesNoCancel(const QString& text);
