#pragma once

#include "Markup.h"

#include <QPageLayout>
#include <QRectF>
#include <memory>
#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace report {

// A report's blocks laid out on the pages of one page layout. Table rows
// never split unless one is taller than a page, a table's header rows come
// again at the top of every page it runs on to, headings stay with what
// follows them, and every page ends with the footer and its page number.
class Pages {
public:
    // The unit of the layout: 1/1200 inch, fine enough to place text exactly
    // on any printer.
    static constexpr int dotsPerInch = 1200;

    Pages(const QList<markup::Block> &blocks, const QPageLayout &page, const QString &footer);
    ~Pages();
    Pages(const Pages &) = delete;
    Pages &operator=(const Pages &) = delete;

    int count() const { return int(pages_.size()); }
    // Paints one page in dots, the origin at the top left of the page's paint rect.
    void paint(QPainter &painter, int page) const;
    // Paints every page on a device that is on its first page. False when the
    // device can not be painted on (a PDF file that can not be written).
    bool print(QPagedPaintDevice &device) const;

private:
    struct Piece;
    struct Placement {
        int piece;
        qreal y;
        qreal from;
        qreal to;
    };
    void layOut(const QList<markup::Block> &blocks);
    void paginate();

    QRectF area_; // the paint rect, in dots, at (0, 0)
    qreal bodyHeight_ = 0;
    QString footer_;
    std::vector<Piece> pieces_;
    std::vector<std::vector<int>> tableHeaders_;
    std::vector<std::vector<Placement>> pages_;
};

} // namespace report
