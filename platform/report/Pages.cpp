#include "Pages.h"

#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextLayout>

namespace report {

using markup::Block;
using markup::Inline;

namespace {

constexpr qreal dotsPerPoint = Pages::dotsPerInch / 72.0;
qreal points(qreal value) {
    return value * dotsPerPoint;
}

// The house style of printed reports, in points.
constexpr qreal tableTextSize = 9;
constexpr qreal footerTextSize = 7.5;
constexpr qreal smallFactor = 0.85;
constexpr qreal cellPaddingX = 4;
constexpr qreal cellPaddingY = 2.5;
constexpr qreal footerGap = 6;
const QColor textColour(0x1b, 0x1b, 0x1b);
const QColor titleColour(0x1f, 0x3a, 0x4d);
const QColor footerColour(0x55, 0x5f, 0x66);
const QColor headerFill(0xdd, 0xe4, 0xea);
const QColor shadedFill(0xf2, 0xf4, 0xf6);
const QColor strongLine(0x4a, 0x5a, 0x66);
const QColor hairLine(0xc4, 0xcb, 0xd1);

struct BlockStyle {
    qreal size;
    bool bold;
    qreal before;
    qreal after;
};

BlockStyle styleOf(Block::Kind kind) {
    switch (kind) {
    case Block::Heading1:
        return {16, true, 0, 2};
    case Block::Heading2:
        return {12.5, true, 8, 4};
    case Block::Heading3:
        return {10.5, true, 6, 3};
    case Block::Rule:
        return {0, false, 4, 6};
    case Block::Table:
        return {tableTextSize, false, 6, 6};
    case Block::Paragraph:
        break;
    }
    return {10, false, 3, 3};
}

// Text is laid out for a device of the layout's resolution, so that pages
// come out the same on screen, on paper and in a PDF file.
const QPaintDevice &layoutDevice() {
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_Mono);
        image.setDotsPerMeterX(qRound(Pages::dotsPerInch / 0.0254));
        image.setDotsPerMeterY(qRound(Pages::dotsPerInch / 0.0254));
        return image;
    }();
    return device;
}

QFont reportFont(qreal pointSize, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    // Without shaping there are no ligatures, so that "fi" in a PDF reads and
    // searches as the two letters it is; scripts that need shaping still get it.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return QFont(font, &layoutDevice());
}

struct LaidText {
    std::unique_ptr<QTextLayout> layout;
    QPointF at;
    QColor colour;
};

// Lays text out in lines of `width`; adds the bottom of each line to `breaks`.
std::unique_ptr<QTextLayout> layOutText(const Inline &content, const QFont &font, qreal width,
                                        Qt::Alignment align, qreal &height,
                                        QList<qreal> *breaks = nullptr) {
    auto layout = std::make_unique<QTextLayout>(content.text, font);
    QTextOption option(align);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout->setTextOption(option);
    if (!content.spans.isEmpty()) {
        QList<QTextLayout::FormatRange> formats;
        for (const Inline::Span &span : content.spans) {
            QTextCharFormat format;
            if (span.style & markup::Bold)
                format.setFontWeight(QFont::Bold);
            if (span.style & markup::Italic)
                format.setFontItalic(true);
            if (span.style & markup::Small)
                format.setFontPointSize(font.pointSizeF() * smallFactor);
            formats.append({span.start, span.length, format});
        }
        layout->setFormats(formats);
    }
    layout->beginLayout();
    height = 0;
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, height));
        height += line.height();
        if (breaks)
            breaks->append(height);
    }
    layout->endLayout();
    return layout;
}

} // namespace

// One thing placed on a page as a whole: a paragraph, a rule or a table row.
struct Pages::Piece {
    enum Kind { Text, Rule, Row };
    Kind kind = Text;
    qreal height = 0;
    qreal spaceBefore = 0; // dropped at the top of a page
    bool keepWithNext = false;
    int table = -1;
    bool headerRow = false;
    bool shaded = false;
    std::vector<LaidText> texts;
    QList<qreal> breaks; // where a piece taller than a page may be cut
};

Pages::Pages(const QList<Block> &blocks, const QPageLayout &page, const QString &footer)
    : footer_(footer) {
    const QRect paintRect = page.paintRectPixels(dotsPerInch);
    area_ = QRectF(0, 0, paintRect.width(), paintRect.height());
    const qreal footerHeight =
        QFontMetricsF(reportFont(footerTextSize, false)).height() + points(footerGap);
    bodyHeight_ = area_.height() - footerHeight;
    layOut(blocks);
    paginate();
}

Pages::~Pages() = default;

void Pages::layOut(const QList<Block> &blocks) {
    const qreal width = area_.width();
    qreal previousAfter = 0;
    for (const Block &block : blocks) {
        const BlockStyle style = styleOf(block.kind);
        const qreal spaceBefore = points(qMax(previousAfter, style.before));
        previousAfter = style.after;

        if (block.kind == Block::Rule) {
            Piece rule;
            rule.kind = Piece::Rule;
            rule.height = points(1);
            rule.spaceBefore = spaceBefore;
            pieces_.push_back(std::move(rule));
            continue;
        }
        if (block.kind != Block::Table) {
            Piece text;
            text.spaceBefore = spaceBefore;
            text.keepWithNext = block.kind != Block::Paragraph;
            auto layout = layOutText(block.content, reportFont(style.size, style.bold), width,
                                     block.align, text.height, &text.breaks);
            text.texts.push_back({std::move(layout), QPointF(0, 0),
                                  block.kind == Block::Heading1 ? titleColour : textColour});
            pieces_.push_back(std::move(text));
            continue;
        }

        // Column widths: the first width a column's cells give, the rest shared out.
        qsizetype columns = 0;
        for (const markup::Row &row : block.rows)
            columns = qMax(columns, row.cells.size());
        QList<qreal> weights(columns, 0);
        qreal given = 0;
        int unset = 0;
        for (qsizetype column = 0; column < columns; ++column) {
            for (const markup::Row &row : block.rows) {
                if (column < row.cells.size() && row.cells[column].widthPercent > 0) {
                    weights[column] = row.cells[column].widthPercent;
                    break;
                }
            }
            given += weights[column];
            unset += weights[column] == 0;
        }
        for (qreal &weight : weights) {
            if (weight == 0)
                weight = given < 100 ? (100 - given) / unset : 100.0 / columns;
        }
        qreal total = 0;
        for (const qreal weight : weights)
            total += weight;
        QList<qreal> edges{0};
        for (const qreal weight : weights)
            edges << edges.last() + width * weight / total;

        const int table = int(tableHeaders_.size());
        tableHeaders_.emplace_back();
        const QFont plain = reportFont(style.size, false);
        const QFont bold = reportFont(style.size, true);
        const qreal padX = points(cellPaddingX);
        const qreal padY = points(cellPaddingY);
        int dataRows = 0;
        bool first = true;
        for (const markup::Row &row : block.rows) {
            Piece piece;
            piece.kind = Piece::Row;
            piece.table = table;
            piece.headerRow = row.header;
            piece.keepWithNext = row.header;
            piece.shaded = !row.header && dataRows++ % 2 == 1;
            piece.spaceBefore = first ? spaceBefore : 0;
            first = false;
            qreal tallest = 0;
            for (qsizetype column = 0; column < row.cells.size(); ++column) {
                const markup::Cell &cell = row.cells[column];
                qreal height = 0;
                QList<qreal> breaks;
                auto layout =
                    layOutText(cell.content, row.header ? bold : plain,
                               qMax<qreal>(edges[column + 1] - edges[column] - 2 * padX, 1),
                               cell.align, height, &breaks);
                piece.texts.push_back(
                    {std::move(layout), QPointF(edges[column] + padX, padY), textColour});
                if (height > tallest) {
                    tallest = height;
                    piece.breaks.clear();
                    for (const qreal bottom : breaks)
                        piece.breaks << bottom + padY;
                }
            }
            piece.height = tallest + 2 * padY;
            if (row.header)
                tableHeaders_[table].push_back(int(pieces_.size()));
            pieces_.push_back(std::move(piece));
        }
    }
}

void Pages::paginate() {
    pages_.emplace_back();
    qreal y = 0;
    qreal pageTop = 0; // where the first piece of this page goes, below repeated header rows
    const auto newPage = [&](const Piece &next) {
        pages_.emplace_back();
        y = 0;
        // A table goes on under its header rows.
        if (next.table >= 0 && !next.headerRow) {
            for (const int header : tableHeaders_[size_t(next.table)]) {
                pages_.back().push_back({header, y, 0, pieces_[size_t(header)].height});
                y += pieces_[size_t(header)].height;
            }
        }
        pageTop = y;
    };

    for (int index = 0; index < int(pieces_.size()); ++index) {
        const Piece &piece = pieces_[size_t(index)];
        const qreal space = y > pageTop ? piece.spaceBefore : 0;
        // What must go on the page together: the piece and the pieces it keeps with.
        qreal needed = space + piece.height;
        for (int next = index;
             pieces_[size_t(next)].keepWithNext && next + 1 < int(pieces_.size());) {
            ++next;
            needed += pieces_[size_t(next)].spaceBefore + pieces_[size_t(next)].height;
        }
        if (needed > bodyHeight_)
            needed = space + piece.height;
        // A piece taller than a page starts where it is and goes on over the next pages.
        if (y > pageTop && y + needed > bodyHeight_ && piece.height <= bodyHeight_ - pageTop)
            newPage(piece);
        else
            y += space;

        qreal from = 0;
        while (piece.height - from > bodyHeight_ - y) {
            // Cut at the last line that fits; a page without room for one line is left.
            qreal to = from;
            for (const qreal bottom : piece.breaks) {
                if (bottom > from && bottom - from <= bodyHeight_ - y)
                    to = bottom;
            }
            if (to <= from && y > pageTop) {
                newPage(piece);
                continue;
            }
            // A line taller than a page, or header rows that fill one, are cut anyway.
            if (to <= from)
                to = from + qMax(bodyHeight_ - y, points(tableTextSize));
            pages_.back().push_back({index, y, from, to});
            from = to;
            newPage(piece);
        }
        pages_.back().push_back({index, y, from, piece.height});
        y += piece.height - from;
    }
}

void Pages::paint(QPainter &painter, int page) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Placement &placement : pages_[size_t(page)]) {
        const Piece &piece = pieces_[size_t(placement.piece)];
        painter.save();
        painter.translate(0, placement.y - placement.from);
        const QRectF box(0, 0, area_.width(), piece.height);
        if (placement.from > 0 || placement.to < piece.height)
            painter.setClipRect(
                QRectF(0, placement.from, area_.width(), placement.to - placement.from));
        switch (piece.kind) {
        case Piece::Rule:
            painter.setPen(QPen(strongLine, points(0.75)));
            painter.drawLine(box.topLeft(), box.topRight());
            break;
        case Piece::Row:
            if (piece.headerRow)
                painter.fillRect(box, headerFill);
            else if (piece.shaded)
                painter.fillRect(box, shadedFill);
            painter.setPen(piece.headerRow ? QPen(strongLine, points(1))
                                           : QPen(hairLine, points(0.5)));
            painter.drawLine(box.bottomLeft(), box.bottomRight());
            break;
        case Piece::Text:
            break;
        }
        for (const LaidText &text : piece.texts) {
            painter.setPen(text.colour);
            text.layout->draw(&painter, text.at);
        }
        painter.restore();
    }

    // The footer: a rule, the report's name at the left, the page number at the right.
    const qreal top = bodyHeight_ + points(footerGap) / 2;
    painter.setPen(QPen(hairLine, points(0.5)));
    painter.drawLine(QPointF(0, top), QPointF(area_.width(), top));
    const QFont font = reportFont(footerTextSize, false);
    qreal height = 0;
    const auto left = layOutText({footer_, {}}, font, area_.width() * 0.7, Qt::AlignLeft, height);
    const auto right = layOutText({QStringLiteral("Page %1 of %2").arg(page + 1).arg(count()), {}},
                                  font, area_.width(), Qt::AlignRight, height);
    painter.setPen(footerColour);
    const QPointF at(0, area_.height() - height);
    left->draw(&painter, at);
    right->draw(&painter, at);
    painter.restore();
}

bool Pages::print(QPagedPaintDevice &device) const {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const qreal scaleX = device.logicalDpiX() / qreal(dotsPerInch);
    const qreal scaleY = device.logicalDpiY() / qreal(dotsPerInch);
    for (int page = 0; page < count(); ++page) {
        if (page > 0 && !device.newPage())
            return false;
        painter.save();
        painter.scale(scaleX, scaleY);
        paint(painter, page);
        painter.restore();
    }
    return painter.end();
}

} // namespace report
