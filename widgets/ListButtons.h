#pragma once

#include <QString>
#include <functional>
#include <vector>

class Query;
class QObject;
class ToolButton;

// A small button beside a list-fed control: it opens the list editor on one list and, once
// the editor is closed, reopens the queries that show that list, so the drop-downs show the
// edited list at once.
struct ListButtonSpec {
    ToolButton* button;
    QString caption;
    int code;
    std::vector<Query*> reopen;
};

// Shows the list editor modally on a list; returns when it is closed.
using ListEditorCall = std::function<void(const QString& caption, int code)>;

void ConnectListButtons(QObject* context, const std::vector<ListButtonSpec>& buttons,
                        const ListEditorCall& editList);
// What a click on one of them does.
void EditListAndReopen(const ListButtonSpec& button, const ListEditorCall& editList);
