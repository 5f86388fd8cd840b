#pragma once

#include <QPixmap>

// The pictures of the record and list buttons, painted in two states: normal and disabled
// (greyed), as the flat tool buttons take them.
namespace ButtonPictures {

enum class Kind {
    New,
    Cancel,
    Save,
    Delete,
    EditList,
    Ok,
    Reportage,
    OpenFile,
    Zoom,
    NoPicture,
    Printer,
    TriangleDown,
    TriangleUp,
};

QPixmap normal(Kind kind, int size = 16);
QPixmap disabled(Kind kind, int size = 16);

} // namespace ButtonPictures
