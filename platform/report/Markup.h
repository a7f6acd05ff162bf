#pragma once

#include <QList>
#include <QString>
#include <optional>

// The HTML that report templates are written in: a small set of elements that
// the report engine lays out on paper itself, so that long lists print fast.
namespace report::markup {

enum Style { Plain = 0, Bold = 1, Italic = 2, Small = 4 };

// Text of one paragraph or table cell with its styled parts.
struct Inline {
    struct Span {
        int start;
        int length;
        int style; // Style flags
    };
    QString text; // line breaks are QChar::LineSeparator
    QList<Span> spans;
};

struct Cell {
    Inline content;
    Qt::Alignment align = Qt::AlignLeft;
    double widthPercent = 0; // 0 when the cell sets no width
};

struct Row {
    QList<Cell> cells;
    bool header = false; // repeated at the top of every page the table runs on to
};

struct Block {
    enum Kind { Heading1, Heading2, Heading3, Paragraph, Rule, Table };
    Kind kind = Paragraph;
    Qt::Alignment align = Qt::AlignLeft;
    Inline content;  // headings and paragraphs
    QList<Row> rows; // tables
};

struct Fault {
    qsizetype position;
    QString message;
};

// Checks a template body (its mustache tags blanked out) for elements,
// attributes and values the engine does not know, and for unclosed tags.
std::optional<Fault> check(const QString &markup);

// Reads filled-in markup into blocks; what check() accepts is laid out as written.
QList<Block> parse(const QString &markup);

} // namespace report::markup
