#pragma once

#include "report/ReportEngine.h"

#include <functional>

namespace Report {

// Lays blocks one under the other down pages of one setup, each block kept whole on a page:
// a block that does not fit in what is left of a page starts the next one. Pages keep room
// for a header and a footer, drawn once the number of pages is known ("Pagina N di M").
class Flow {
public:
    Flow(const PageSetup& page, double headerMm, double footerMm);

    double width() const { return m_width; }
    // The room for blocks on one whole page.
    double pageRoom() const { return m_bottom - m_headerMm; }
    double remaining() const { return m_bottom - m_y; }
    int pageCount() const { return int(m_pages.size()); }

    // Adds the block (its height is `heightMm`) whole; `keepWithMm` more must fit below it
    // on the same page, so a title stays with what follows it. A block taller than a page
    // gets a page of its own (callers split long texts into lines first).
    void add(const Band& block, double keepWithMm = 0);
    void space(double mm); // a gap, dropped at the top of a page
    void newPage();        // the next block starts a page; a page still empty is reused
    // A label kept with each page started from now on (and the current one, if empty),
    // handed to the page furniture: the heading of what the page holds.
    void setHeading(const QString& heading);

    // The pages, each with the header band drawn at its top and the footer band at the foot
    // of its area; `furniture` makes both for page `page` (1-based) of `pages`.
    using Furniture = std::function<void(Band& header, Band& footer, int page, int pages,
                                         const QString& heading)>;
    Document finish(const Furniture& furniture) const;

private:
    void startPage();
    bool pageEmpty() const { return m_y <= m_headerMm; }

    PageSetup m_page;
    double m_headerMm;
    double m_footerMm;
    double m_width;
    double m_bottom; // where blocks end on a page
    double m_y = 0;
    std::vector<Band> m_pages;
    std::vector<QString> m_headings;
    QString m_heading;
};

} // namespace Report
