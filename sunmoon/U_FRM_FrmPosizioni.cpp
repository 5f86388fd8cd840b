#include "sunmoon/U_FRM_FrmPosizioni.h"

#include "data/CoordinateText.h"
#include "data/MessageSeam.h"
#include "widgets/ErrorGuard.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

const QString TFrmPosizioni::kCaption = QStringLiteral("POSIZIONE DEI LAGHI");
const QString TFrmPosizioni::kHint = QStringLiteral(
    "Gradi decimali (45,4312) o gradi e minuti (45°25,87'), con N/S ed E/O oppure col segno "
    "(negativo a sud e a ovest). Lasciare vuote le due caselle per togliere la posizione.");
const QString TFrmPosizioni::kNoLakes =
    QStringLiteral("Non ci sono laghi: aggiungerli dall'elenco dei laghi della sessione.");
const QString TFrmPosizioni::kBothOrNeither =
    QStringLiteral("Lago \"%1\": scrivere sia la latitudine sia la longitudine, oppure nessuna "
                   "delle due.");

namespace {

enum Column { LakeColumn, LatitudeColumn, LongitudeColumn };

QString shown(const std::optional<double>& degrees) {
    return degrees ? CoordinateText::format(*degrees) : QString();
}

} // namespace

TFrmPosizioni::TFrmPosizioni(TDM_Posizioni& positions, QWidget* parent)
    : QDialog(parent), m_positions(positions) {
    setObjectName(QStringLiteral("FrmPosizioni"));
    setWindowTitle(kCaption);
    resize(560, 380);
    auto* column = new QVBoxLayout(this);
    Hint = new QLabel(kHint, this);
    Hint->setObjectName(QStringLiteral("Hint"));
    Hint->setWordWrap(true);
    column->addWidget(Hint);
    Table = new QTableWidget(0, 3, this);
    Table->setObjectName(QStringLiteral("Table"));
    Table->setHorizontalHeaderLabels(
        {QStringLiteral("Lago"), QStringLiteral("Latitudine"), QStringLiteral("Longitudine")});
    Table->horizontalHeader()->setSectionResizeMode(LakeColumn, QHeaderView::Stretch);
    Table->horizontalHeader()->setSectionResizeMode(LatitudeColumn, QHeaderView::Fixed);
    Table->horizontalHeader()->setSectionResizeMode(LongitudeColumn, QHeaderView::Fixed);
    Table->setColumnWidth(LatitudeColumn, 140);
    Table->setColumnWidth(LongitudeColumn, 140);
    Table->verticalHeader()->hide();
    Table->setSelectionMode(QAbstractItemView::SingleSelection);
    column->addWidget(Table);
    auto* buttons = new QHBoxLayout;
    Ok = new QPushButton(QStringLiteral("OK"), this);
    Ok->setObjectName(QStringLiteral("Ok"));
    Cancel = new QPushButton(QStringLiteral("Annulla"), this);
    Cancel->setObjectName(QStringLiteral("Cancel"));
    Ok->setDefault(true);
    buttons->addStretch();
    buttons->addWidget(Ok);
    buttons->addWidget(Cancel);
    column->addLayout(buttons);
    ConnectGuarded(Ok, &QPushButton::clicked, this, &TFrmPosizioni::OkClick);
    connect(Cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFrmPosizioni::Prepare() {
    m_lakes = m_positions.Lakes();
    Table->clearContents();
    Table->setRowCount(int(m_lakes.size()));
    for (int row = 0; row < m_lakes.size(); ++row) {
        const TDM_Posizioni::Lake& lake = m_lakes[row];
        auto* name = new QTableWidgetItem(lake.name);
        name->setFlags(Qt::ItemIsEnabled);
        Table->setItem(row, LakeColumn, name);
        Table->setItem(row, LatitudeColumn, new QTableWidgetItem(shown(lake.latitude)));
        Table->setItem(row, LongitudeColumn, new QTableWidgetItem(shown(lake.longitude)));
    }
    Hint->setText(m_lakes.isEmpty() ? kNoLakes : kHint);
    Ok->setEnabled(!m_lakes.isEmpty());
}

void TFrmPosizioni::OkClick() {
    // A cell still being edited holds text the table has not taken yet.
    if (QWidget* editor = Table->focusWidget(); editor && editor != Table)
        Table->setFocus();
    QList<TDM_Posizioni::Lake> changed;
    for (int row = 0; row < m_lakes.size(); ++row) {
        const TDM_Posizioni::Lake& before = m_lakes[row];
        TDM_Posizioni::Lake after = before;
        const struct {
            Column column;
            CoordinateText::Axis axis;
            std::optional<double>* value;
        } cells[] = {{LatitudeColumn, CoordinateText::Axis::Latitude, &after.latitude},
                     {LongitudeColumn, CoordinateText::Axis::Longitude, &after.longitude}};
        for (const auto& cell : cells) {
            const auto reading =
                CoordinateText::parse(Table->item(row, cell.column)->text(), cell.axis);
            if (!reading.ok()) {
                Table->setCurrentCell(row, cell.column);
                // One sentence: the reason goes on after the lake's name in lower case.
                const QString reason = reading.error.left(1).toLower() + reading.error.mid(1);
                showWarning(QStringLiteral("Lago \"%1\": %2").arg(before.name, reason));
                return;
            }
            *cell.value = reading.degrees;
        }
        if (after.latitude.has_value() != after.longitude.has_value()) {
            Table->setCurrentCell(row, after.latitude ? LongitudeColumn : LatitudeColumn);
            showWarning(kBothOrNeither.arg(before.name));
            return;
        }
        // What is shown is what is stored, so a row left alone reads back to its own value.
        const bool same = shown(after.latitude) == shown(before.latitude) &&
                          shown(after.longitude) == shown(before.longitude);
        if (!same)
            changed.push_back(after);
    }
    if (!changed.isEmpty())
        m_positions.Store(changed);
    accept();
}
