#include "print/BlankSessionForm.h"

namespace {

using Report::Band;
using Report::Text;
using Report::TextStyle;

const QColor kNavy(0x00, 0x00, 0x80);
const QString kArial = QStringLiteral("Arial");
const TextStyle kPageTitle{kArial, 14, true, kNavy};
const TextStyle kSectionTitle{kArial, 12, true, kNavy};
const TextStyle kCaption{kArial, 11, true, Qt::black};
const TextStyle kBlank{kArial, 11, false, Qt::black};
constexpr double kRuleLength = 198.438;
constexpr double kRuleWeight = 0.75;

// One item of a row: a caption, or a blank of so many underscores (`text` empty).
struct Item {
    const char* text;
    int underscores;
    double left;
};

Item caption(const char* text, double left) {
    return {text, 0, left};
}

Item blank(int underscores, double left) {
    return {nullptr, underscores, left};
}

void row(Band& band, double top, std::initializer_list<Item> items) {
    for (const Item& item : items) {
        if (item.text)
            band.texts.push_back({QString::fromUtf8(item.text), item.left, top, kCaption});
        else
            band.texts.push_back(
                {QString(item.underscores, QLatin1Char('_')), item.left, top, kBlank});
    }
}

void sessionSection(Band& d) {
    d.texts.push_back({QStringLiteral("Dati principali"), 4.233, 0.265, kSectionTitle});
    row(d, 9.260,
        {caption("Tipo uscita:", 4.233), blank(22, 29.633), caption("Data da:", 93.134),
         blank(12, 110.067), caption("a:", 139.700), blank(12, 143.934)});
    row(d, 17.727,
        {caption("Specchio d'acqua:", 4.233), blank(22, 40.217), caption("Fase lunare:", 93.134),
         blank(22, 118.534)});
    row(d, 26.194,
        {caption("Temp. esterna:", 4.233), blank(4, 33.867), caption("°C", 44.450),
         caption("Temp. acqua:", 52.917), blank(4, 80.433), caption("°C", 91.017),
         caption("Rilevata a:", 103.717), blank(4, 124.884),
         caption("metri di profondità", 135.467)});
    row(d, 34.660,
        {caption("Note:", 4.233), blank(45, 16.933), caption("Carpisti:", 122.767),
         blank(23, 141.817)});
    // Notes and anglers have four lines each.
    for (double top : {41.010, 47.361, 53.711})
        row(d, top, {blank(45, 16.933), blank(23, 141.817)});
    d.rules.push_back({60.061, kRuleLength, kRuleWeight});
}

void groundbaitSection(Band& d) {
    d.texts.push_back({QStringLiteral("Pasturazione:"), 4.233, 62.177, kSectionTitle});
    row(d, 68.527,
        {caption("Pasturazione 1:", 25.400), caption("Kg.:", 59.267),
         caption("Pasturazione 2:", 76.200), caption("Kg.:", 110.067),
         caption("Pasturazione 3:", 127.000), caption("Kg.:", 160.867)});
    for (int day = 1; day <= 7; ++day) {
        const double top = 74.877 + 6.35 * (day - 1);
        d.texts.push_back({QStringLiteral("Giorno %1:").arg(day), 4.233, top, kCaption});
        row(d, top,
            {blank(13, 25.665), blank(5, 57.944), blank(13, 76.200), blank(5, 108.479),
             blank(13, 127.000), blank(5, 159.279)});
    }
    d.rules.push_back({121.444, kRuleLength, kRuleWeight});
}

void catchSection(Band& d) {
    d.texts.push_back({QStringLiteral("Prede:"), 4.233, 123.561, kSectionTitle});
    struct CatchBox {
        double top;
        double height;
        QColor fill;
        double firstRow; // below the box's top edge
    };
    const QColor silver(0xC0, 0xC0, 0xC0);
    const QColor grey(0x99, 0x99, 0x99);
    const CatchBox boxes[] = {
        {129.911, 21.167, silver, 2.116}, {151.871, 20.373, grey, 1.323},
        {173.038, 21.167, silver, 1.323}, {194.998, 20.373, grey, 1.323},
        {216.165, 21.167, silver, 1.323}, {238.125, 20.373, grey, 1.323},
    };
    for (const CatchBox& box : boxes) {
        d.boxes.push_back({QRectF(2.117, box.top, 194.469, box.height), box.fill});
        const double top = box.top + box.firstRow;
        row(d, top,
            {caption("Data:", 4.233), blank(12, 16.933), caption("Ora:", 48.683), blank(6, 59.267),
             caption("Tipo:", 78.317), blank(12, 91.017), caption("Peso:", 122.767),
             blank(5, 135.467), caption("Carpista:", 150.284), blank(12, 169.334)});
        row(d, top + 6.35,
            {caption("Esca:", 4.233), blank(12, 16.933), caption("Innesco:", 48.683),
             blank(12, 66.675), caption("Montatura:", 97.631), blank(12, 120.650),
             caption("Profondità:", 156.634), blank(6, 182.034)});
        row(d, top + 12.70,
            {caption("Condizioni meteo:", 4.233), blank(12, 42.333), caption("Tipo vento:", 74.083),
             blank(12, 97.367), caption("Forza vento:", 129.117), blank(12, 156.634)});
    }
}

} // namespace

Report::Layout ppReport1() {
    Report::Layout layout;
    layout.header.heightMm = 12.435;
    layout.header.texts.push_back(
        {QStringLiteral("Report uscita -- LunkerLedger"), 60.325, 2.117, kPageTitle});
    layout.header.rules.push_back({8.731, kRuleLength, kRuleWeight});
    layout.detail.heightMm = 259.821;
    sessionSection(layout.detail);
    groundbaitSection(layout.detail);
    catchSection(layout.detail);
    layout.footer.heightMm = 0;
    return layout;
}

void PaintBlankSessionForm(QPaintDevice& device) {
    Report::Paint(ppReport1(), device);
}
