#include "lists/ListEditorButtons.h"

#include "lists/U_FRM_FrmCambiaElenco.h"

void ConnectListEditorButtons(QObject* context, const std::vector<ListButtonSpec>& buttons) {
    ConnectListButtons(context, buttons, [](const QString& caption, int code) {
        FrmCambiaElenco->EditList(caption, code);
    });
}
