#pragma once

#include "data/U_DBUtils.h"
#include "widgets/ErrorGuard.h"

#include <QFrame>
#include <QString>
#include <vector>

class DBNavigator;
class ToolButton;

// One record button of a tool bar: the record operation it asks for (opNew, opCancel,
// opSave, opDelete), its component name, width and hint.
struct RecordButtonSpec {
    int operation;
    QString name;
    int width;
    QString hint;
};

// The four record buttons of a bar, named SBNew_<suffix>, SBCancel_<suffix>, SBSave_<suffix>
// and SBDel_<suffix>, with their widths; Cancel and Save carry the hints every bar shares.
std::vector<RecordButtonSpec> RecordButtons(const QString& suffix, const int (&widths)[4],
                                            const QString& newHint, const QString& deleteHint);

// Where a record tool bar lies and how it is laid out: an optional navigator at its left
// edge, then the buttons side by side, all of one height and centred vertically.
struct RecordToolBarLayout {
    const char* name;
    QRect rect;
    const char* navigatorName = nullptr; // none: the bar has no navigator
    int navigatorWidth = 0;
    int buttonHeight = 24;
    int firstButtonLeft = -1; // -1: right after the navigator
    int spacing = 0;
    int pictureSize = 16;
    std::vector<RecordButtonSpec> buttons = {};
};

// The four-button bar of the windows that edit a list of elements (the list editor, the
// reportage): no navigator, buttons of 23 x 22, hints speaking of an element.
RecordToolBarLayout ElementToolBarLayout(const QRect& rect);

// The tool bar of a record panel: a navigator with First, Prior, Next and Last and the
// New, Cancel, Save and Delete buttons, with borders on its left and right edges only. A
// click on a record button is emitted as the operation it stands for.
class RecordToolBar : public QFrame {
    Q_OBJECT
public:
    RecordToolBar(QWidget* parent, const RecordToolBarLayout& layout);

    DBNavigator* navigator() const { return m_navigator; }
    // The button for a record operation; null when the bar has none.
    ToolButton* button(int operation) const;
    // Navigator, New and Delete on or off together (Cancel and Save stay usable).
    void setNavigation(bool on);
    // Keys for the record buttons, for use without the mouse (the buttons take no focus):
    // Ctrl+N, Esc, Ctrl+S and Ctrl+Shift+Del, heard while the focus is within `scope`, the
    // group of the panel the bar serves. Each clicks its button when a click could, and each
    // button's hint names its key. Ctrl+Del is not one of them: the edit boxes delete the
    // next word with it and the grids their own row.
    void setKeys(QWidget* scope);

signals:
    void operationRequested(int operation);

private:
    DBNavigator* m_navigator = nullptr;
    std::vector<std::pair<int, ToolButton*>> m_buttons;
};

// Connects the four record buttons of a bar to a panel's New, Cancel, Save and Delete
// handlers, each run inside the general error guard.
template <class Panel>
void ConnectRecordButtons(RecordToolBar* bar, Panel* panel, void (Panel::*onNew)(),
                          void (Panel::*onCancel)(), void (Panel::*onSave)(),
                          void (Panel::*onDelete)()) {
    QObject::connect(bar, &RecordToolBar::operationRequested, panel, [=](int operation) {
        auto handler = operation == opNew      ? onNew
                       : operation == opCancel ? onCancel
                       : operation == opSave   ? onSave
                                               : onDelete;
        Guarded([&] { (panel->*handler)(); });
    });
}
