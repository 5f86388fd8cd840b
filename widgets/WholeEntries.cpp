#include "widgets/WholeEntries.h"

#include "widgets/UiFonts.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <algorithm>

namespace {

constexpr int kSmallestPixels = 9;

// Where the style writes the closed box's text: its edit field less a pixel on either side.
int textRoom(const QComboBox& box) {
    QStyleOptionComboBox option;
    option.initFrom(&box);
    option.editable = box.isEditable();
    option.frame = box.hasFrame();
    option.subControls = QStyle::SC_All;
    const QRect field = box.style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                    QStyle::SC_ComboBoxEditField, &box);
    return field.width() - 2;
}

int widestEntry(const QComboBox& box, const QFont& font) {
    const QFontMetrics metrics(font);
    int widest = 0;
    for (int i = 0; i < box.count(); ++i)
        widest = std::max(widest, metrics.horizontalAdvance(box.itemText(i)));
    return widest;
}

// The narrow face at the largest size, and the least tightening, fitting the widest entry;
// the smallest tried when none does.
QFont narrowestFit(const QComboBox& box, int start) {
    const int room = textRoom(box);
    QFont font;
    for (int pixels = start; pixels >= kSmallestPixels; --pixels)
        for (qreal spacing : {0.0, -0.5}) {
            font = UiFonts::narrowSansPixels(pixels);
            font.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
            if (widestEntry(box, font) <= room)
                return font;
        }
    return font;
}

void fit(QComboBox& box, const QFont& own) {
    const QFont chosen = narrowestFit(box, own.pixelSize() > 0 ? own.pixelSize() : 12);
    box.setFont(chosen);
    // The open list draws its entries in the box's face; it is made wide enough for them in
    // the box's own size, for the delegate's margins, its frame and, when it scrolls, the
    // scroll bar.
    QAbstractItemView* list = box.view();
    const bool scrolls = box.count() > box.maxVisibleItems();
    list->setMinimumWidth(widestEntry(box, own) + 8 + 2 * list->frameWidth() +
                          (scrolls ? list->verticalScrollBar()->sizeHint().width() : 0));
}

} // namespace

void ShowEntriesWhole(QComboBox* box) {
    const QFont own = box->font();
    auto refit = [box, own] { fit(*box, own); };
    QAbstractItemModel* entries = box->model();
    QObject::connect(entries, &QAbstractItemModel::rowsInserted, box, refit);
    QObject::connect(entries, &QAbstractItemModel::rowsRemoved, box, refit);
    QObject::connect(entries, &QAbstractItemModel::modelReset, box, refit);
    QObject::connect(entries, &QAbstractItemModel::dataChanged, box, refit);
    refit();
}
