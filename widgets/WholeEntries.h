#pragma once

class QComboBox;

// A small drop-down list whose entries are longer than its closed box: the box shows the
// longest entry whole in the narrow face, at the largest size (from the box's own size down)
// and the least tightening of the letters at which it fits the box's text area; the open
// list is wide enough for every entry. The box keeps its place and size. Followed as the
// entries change.
void ShowEntriesWhole(QComboBox* box);
