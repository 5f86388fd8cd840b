#pragma once

#include "widgets/ListButtons.h"

// The list buttons of the program's windows, each opening the program's list editor.
void ConnectListEditorButtons(QObject* context, const std::vector<ListButtonSpec>& buttons);
