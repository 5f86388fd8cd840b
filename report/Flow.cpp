#include "report/Flow.h"

namespace Report {

Flow::Flow(const PageSetup& page, double headerMm, double footerMm)
    : m_page(page), m_headerMm(headerMm), m_footerMm(footerMm) {
    const QSizeF sheet = QPageSize(page.paper).size(QPageSize::Millimeter);
    m_width = sheet.width() - page.marginsMm.left() - page.marginsMm.right();
    m_bottom = sheet.height() - page.marginsMm.top() - page.marginsMm.bottom() - footerMm;
    startPage();
}

void Flow::startPage() {
    m_pages.emplace_back();
    m_headings.push_back(m_heading);
    m_y = m_headerMm;
}

void Flow::add(const Band& block, double keepWithMm) {
    if (!pageEmpty() && m_y + block.heightMm + keepWithMm > m_bottom)
        startPage();
    m_pages.back().append(block, m_y);
    m_y += block.heightMm;
}

void Flow::space(double mm) {
    if (pageEmpty())
        return;
    m_y = std::min(m_y + mm, m_bottom);
}

void Flow::newPage() {
    if (!pageEmpty())
        startPage();
}

void Flow::setHeading(const QString& heading) {
    m_heading = heading;
    if (pageEmpty())
        m_headings.back() = heading;
}

Document Flow::finish(const Furniture& furniture) const {
    Document document{m_page, m_pages};
    const int pages = int(document.pages.size());
    for (int i = 0; i < pages; ++i) {
        Band header, footer;
        furniture(header, footer, i + 1, pages, m_headings[size_t(i)]);
        document.pages[size_t(i)].append(header, 0);
        document.pages[size_t(i)].append(footer, m_bottom);
    }
    return document;
}

} // namespace Report
