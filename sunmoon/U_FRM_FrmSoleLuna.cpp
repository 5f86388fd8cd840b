#include "sunmoon/U_FRM_FrmSoleLuna.h"

#include "data/CoordinateText.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <cmath>

const QString TFrmSoleLuna::kCaption = QStringLiteral("SOLE E LUNA");
const QColor TFrmSoleLuna::kMarked(0x80, 0x00, 0x80); // the catches' purple
// Headers on two lines, so that the thirteen columns fit a screen 1024 points wide.
const QStringList TFrmSoleLuna::kColumns = {QStringLiteral("Giorno"),
                                            QStringLiteral("Alba"),
                                            QStringLiteral("Tramonto"),
                                            QStringLiteral("Crepuscolo\ncivile"),
                                            QStringLiteral("Sorge\nla luna"),
                                            QStringLiteral("Tramonta\nla luna"),
                                            QStringLiteral("Luna\nin alto"),
                                            QStringLiteral("Luna\nin basso"),
                                            QStringLiteral("Illumi-\nnata"),
                                            QStringLiteral("Fase"),
                                            QStringLiteral("Periodi\nmaggiori"),
                                            QStringLiteral("Periodi\nminori"),
                                            QStringLiteral("Prede nei periodi")};

namespace {

QString dayText(const QDate& d) {
    static const char* const names[] = {"lun", "mar", "mer", "gio", "ven", "sab", "dom"};
    return QStringLiteral("%1 %2").arg(QLatin1String(names[d.dayOfWeek() - 1]),
                                       d.toString(QStringLiteral("dd/MM")));
}

QString times(const std::vector<QDateTime>& list, const QString& none) {
    QStringList out;
    for (const QDateTime& t : list)
        out << SunMoonLines::timeText(t);
    return out.isEmpty() ? none : out.join(QStringLiteral(", "));
}

QString time(const std::optional<QDateTime>& t) {
    return t ? SunMoonLines::timeText(*t) : QStringLiteral("—");
}

QString periods(const std::vector<Almanac::Period>& list, Almanac::Period::Kind kind) {
    QStringList out;
    for (const Almanac::Period& p : list)
        if (p.kind == kind)
            out << QStringLiteral("%1 - %2").arg(SunMoonLines::timeText(p.start),
                                                 SunMoonLines::timeText(p.end));
    // One period a line keeps the columns narrow enough for the window.
    return out.isEmpty() ? QStringLiteral("nessuno") : out.join(QLatin1Char('\n'));
}

QString position(const Almanac::Place& p) {
    return QStringLiteral("%1° %2, %3° %4")
        .arg(CoordinateText::format(std::fabs(p.latitude)),
             p.latitude < 0 ? QStringLiteral("S") : QStringLiteral("N"),
             CoordinateText::format(std::fabs(p.longitude)),
             p.longitude < 0 ? QStringLiteral("O") : QStringLiteral("E"));
}

} // namespace

TFrmSoleLuna::TFrmSoleLuna(TDM_SoleLuna& module, QWidget* parent)
    : QDialog(parent), m_module(module) {
    setObjectName(QStringLiteral("FrmSoleLuna"));
    setWindowTitle(kCaption);
    resize(1000, 400);
    auto* column = new QVBoxLayout(this);
    Title = new QLabel(this);
    Title->setObjectName(QStringLiteral("Title"));
    column->addWidget(Title);
    Lines = new QTreeWidget(this);
    Lines->setObjectName(QStringLiteral("Lines"));
    Lines->setColumnCount(int(kColumns.size()));
    Lines->setHeaderLabels(kColumns);
    Lines->setRootIsDecorated(false);
    Lines->setAlternatingRowColors(true);
    Lines->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Lines->header()->setStretchLastSection(true);
    column->addWidget(Lines);
    Footnote = new QLabel(this);
    Footnote->setObjectName(QStringLiteral("Footnote"));
    Footnote->setWordWrap(true);
    column->addWidget(Footnote);
    auto* buttons = new QHBoxLayout;
    Close = new QPushButton(QStringLiteral("C&hiudi"), this);
    Close->setObjectName(QStringLiteral("Close"));
    buttons->addStretch();
    buttons->addWidget(Close);
    column->addLayout(buttons);
    connect(Close, &QPushButton::clicked, this, &QDialog::accept);
}

void TFrmSoleLuna::Prepare(int sessionId) {
    Lines->clear();
    Title->clear();
    Footnote->clear();
    const std::optional<SunMoonLines::Session> session =
        sessionId > 0 ? m_module.Session(sessionId) : std::nullopt;
    SunMoonLines::Result result;
    if (!session)
        result.notice = SunMoonLines::kNoSession;
    else
        result = SunMoonLines::build(*session, m_module.Catches(sessionId));
    if (session && session->start.isValid()) {
        const QDate end = session->end.isValid() ? session->end : session->start;
        QString title = QStringLiteral("Sessione dal %1 al %2")
                            .arg(session->start.toString(QStringLiteral("dd/MM/yyyy")),
                                 end.toString(QStringLiteral("dd/MM/yyyy")));
        if (session->hasLake)
            title += QStringLiteral(", lago \"%1\"").arg(session->lake);
        if (session->place)
            title += QStringLiteral(" (%1)").arg(position(*session->place));
        Title->setText(title + QStringLiteral(". Ore locali italiane."));
    }
    if (!result.notice.isEmpty()) {
        auto* item = new QTreeWidgetItem(Lines, {result.notice});
        item->setFirstColumnSpanned(true);
        return;
    }
    for (const SunMoonLines::Line& line : result.lines) {
        const Almanac::Day& d = line.day;
        QString twilight = QStringLiteral("%1 - %2").arg(time(d.civilDawn), time(d.civilDusk));
        auto* item =
            new QTreeWidgetItem(Lines, {dayText(d.date), time(d.sunrise), time(d.sunset), twilight,
                                        times(d.moonrises, QStringLiteral("non sorge")),
                                        times(d.moonsets, QStringLiteral("non tramonta")),
                                        times(d.upperTransits, QStringLiteral("nessuna")),
                                        times(d.lowerTransits, QStringLiteral("nessuna")),
                                        QStringLiteral("%1%").arg(std::lround(d.litFraction * 100)),
                                        d.phaseName, periods(line.periods, Almanac::Period::Major),
                                        periods(line.periods, Almanac::Period::Minor),
                                        line.catches.join(QLatin1Char('\n'))});
        if (line.inPeriod)
            item->setForeground(CatchesColumn, kMarked);
    }
    Footnote->setText(result.footnote);
}
