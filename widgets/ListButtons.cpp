#include "widgets/ListButtons.h"

#include "engine/Query.h"
#include "widgets/ErrorGuard.h"
#include "widgets/ToolButton.h"

void EditListAndReopen(const ListButtonSpec& button, const ListEditorCall& editList) {
    editList(button.caption, button.code);
    // Reopened with the parameter values they already hold.
    for (Query* query : button.reopen) {
        query->close();
        query->open();
    }
}

void ConnectListButtons(QObject* context, const std::vector<ListButtonSpec>& buttons,
                        const ListEditorCall& editList) {
    for (const ListButtonSpec& spec : buttons)
        ConnectGuarded(spec.button, &QToolButton::clicked, context,
                       [spec, editList] { EditListAndReopen(spec, editList); });
}
