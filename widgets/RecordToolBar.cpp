#include "widgets/RecordToolBar.h"

#include "data/U_DBUtils.h"
#include "widgets/ButtonPictures.h"
#include "widgets/DBNavigator.h"
#include "widgets/ToolButton.h"

#include <QKeySequence>
#include <QShortcut>

namespace {

ButtonPictures::Kind pictureOf(int operation) {
    switch (operation) {
    case opNew:
        return ButtonPictures::Kind::New;
    case opCancel:
        return ButtonPictures::Kind::Cancel;
    case opSave:
        return ButtonPictures::Kind::Save;
    default:
        return ButtonPictures::Kind::Delete;
    }
}

struct RecordKey {
    int operation;
    QKeySequence key;
    const char* name; // as an Italian keyboard labels it
};

const RecordKey kRecordKeys[] = {
    {opNew, QKeySequence(Qt::CTRL | Qt::Key_N), "Ctrl+N"},
    {opCancel, QKeySequence(Qt::Key_Escape), "Esc"},
    {opSave, QKeySequence(Qt::CTRL | Qt::Key_S), "Ctrl+S"},
    {opDelete, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete), "Ctrl+Maiusc+Canc"},
};

} // namespace

RecordToolBar::RecordToolBar(QWidget* parent, const RecordToolBarLayout& layout) : QFrame(parent) {
    setObjectName(QLatin1String(layout.name));
    setGeometry(layout.rect);
    setStyleSheet(QStringLiteral("QFrame#%1 { border-left: 1px solid palette(mid); "
                                 "border-right: 1px solid palette(mid); }")
                      .arg(QLatin1String(layout.name)));
    const int top = (layout.rect.height() - layout.buttonHeight) / 2;
    int left = 1;
    if (layout.navigatorName) {
        m_navigator = new DBNavigator(this);
        m_navigator->setObjectName(QLatin1String(layout.navigatorName));
        m_navigator->setGeometry(left, top, layout.navigatorWidth, layout.buttonHeight);
        left += layout.navigatorWidth;
    }
    if (layout.firstButtonLeft >= 0)
        left = layout.firstButtonLeft;
    for (const RecordButtonSpec& spec : layout.buttons) {
        auto* b = new ToolButton(this);
        b->setObjectName(spec.name);
        b->setGeometry(left, top, spec.width, layout.buttonHeight);
        b->setPicture(pictureOf(spec.operation), layout.pictureSize);
        b->setHint(spec.hint);
        left += spec.width + layout.spacing;
        const int operation = spec.operation;
        connect(b, &QToolButton::clicked, this,
                [this, operation] { emit operationRequested(operation); });
        m_buttons.emplace_back(operation, b);
    }
}

ToolButton* RecordToolBar::button(int operation) const {
    for (const auto& [op, b] : m_buttons)
        if (op == operation)
            return b;
    return nullptr;
}

void RecordToolBar::setNavigation(bool on) {
    if (m_navigator)
        m_navigator->setEnabled(on);
    for (int op : {opNew, opDelete})
        if (ToolButton* b = button(op))
            b->setEnabled(on);
}

void RecordToolBar::setKeys(QWidget* scope) {
    for (const RecordKey& k : kRecordKeys) {
        ToolButton* b = button(k.operation);
        if (!b)
            continue;
        b->setHint(b->toolTip() + QStringLiteral(" (%1)").arg(QLatin1String(k.name)));
        auto* shortcut = new QShortcut(k.key, scope);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, b, [b] {
            if (b->isVisible() && b->isEnabled())
                b->click();
        });
    }
}

std::vector<RecordButtonSpec> RecordButtons(const QString& suffix, const int (&widths)[4],
                                            const QString& newHint, const QString& deleteHint) {
    return {{opNew, QStringLiteral("SBNew_") + suffix, widths[0], newHint},
            {opCancel, QStringLiteral("SBCancel_") + suffix, widths[1],
             QStringLiteral("Elimina le modifiche")},
            {opSave, QStringLiteral("SBSave_") + suffix, widths[2],
             QStringLiteral("Salva le modifiche")},
            {opDelete, QStringLiteral("SBDel_") + suffix, widths[3], deleteHint}};
}

RecordToolBarLayout ElementToolBarLayout(const QRect& rect) {
    return {.name = "TB_Sessione",
            .rect = rect,
            .buttonHeight = 22,
            .firstButtonLeft = 2,
            .spacing = 2,
            .buttons = RecordButtons(QStringLiteral("Sessione"), {23, 23, 23, 23},
                                     QStringLiteral("Nuovo elemento"),
                                     QStringLiteral("Elimina l'elemento corrente"))};
}
