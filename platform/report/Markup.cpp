#include "Markup.h"

#include <QHash>
#include <algorithm>

namespace report::markup {

namespace {

struct Token {
    enum Kind { Text, Open, Close, End };
    Kind kind = End;
    QString name; // lower case
    QList<std::pair<QString, QString>> attributes;
    QString text;
    qsizetype position = 0;
};

QString decodeEntities(QStringView text) {
    if (!text.contains(QLatin1Char('&')))
        return text.toString();
    static const QHash<QString, QChar> named = {
        {QStringLiteral("amp"), QLatin1Char('&')},   {QStringLiteral("lt"), QLatin1Char('<')},
        {QStringLiteral("gt"), QLatin1Char('>')},    {QStringLiteral("quot"), QLatin1Char('"')},
        {QStringLiteral("apos"), QLatin1Char('\'')}, {QStringLiteral("nbsp"), QChar(0x00a0)},
        {QStringLiteral("ndash"), QChar(0x2013)},    {QStringLiteral("mdash"), QChar(0x2014)},
        {QStringLiteral("middot"), QChar(0x00b7)},   {QStringLiteral("bull"), QChar(0x2022)},
        {QStringLiteral("copy"), QChar(0x00a9)},
    };
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype semicolon =
            text[i] == QLatin1Char('&') ? text.indexOf(QLatin1Char(';'), i + 1) : -1;
        if (semicolon > i && semicolon - i <= 10) {
            const QStringView entity = text.mid(i + 1, semicolon - i - 1);
            char32_t code = 0;
            bool ok = false;
            if (entity.startsWith(QLatin1String("#x")) || entity.startsWith(QLatin1String("#X")))
                code = entity.mid(2).toUInt(&ok, 16);
            else if (entity.startsWith(QLatin1Char('#')))
                code = entity.mid(1).toUInt(&ok, 10);
            else if (const auto it = named.constFind(entity.toString()); it != named.constEnd()) {
                result += *it;
                i = semicolon;
                continue;
            }
            if (ok && code > 0 && code <= 0x10ffff) {
                result += QString::fromUcs4(&code, 1);
                i = semicolon;
                continue;
            }
        }
        result += text[i];
    }
    return result;
}

// Splits markup into text and tags. A "<" that does not start a tag is text.
class Tokenizer {
public:
    explicit Tokenizer(const QString &markup) : s_(markup) {}

    Token next() {
        Token token;
        while (pos_ < s_.size()) {
            token.position = pos_;
            if (s_[pos_] != QLatin1Char('<')) {
                qsizetype end = s_.indexOf(QLatin1Char('<'), pos_ + 1);
                if (end < 0)
                    end = s_.size();
                token.kind = Token::Text;
                token.text = decodeEntities(QStringView(s_).mid(pos_, end - pos_));
                pos_ = end;
                return token;
            }
            if (QStringView(s_).mid(pos_).startsWith(QLatin1String("<!--"))) {
                const qsizetype end = s_.indexOf(QLatin1String("-->"), pos_ + 4);
                if (end < 0) {
                    fault = Fault{pos_, QStringLiteral("the comment \"<!--\" is not closed with "
                                                       "\"-->\".")};
                    pos_ = s_.size();
                } else {
                    pos_ = end + 3;
                }
                continue;
            }
            if (readTag(token))
                return token;
            token.kind = Token::Text;
            token.text = QStringLiteral("<");
            ++pos_;
            return token;
        }
        token.kind = Token::End;
        token.position = pos_;
        return token;
    }

    std::optional<Fault> fault;

private:
    static bool isNameChar(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('-'); }

    bool readTag(Token &token) {
        qsizetype i = pos_ + 1;
        const bool closing = i < s_.size() && s_[i] == QLatin1Char('/');
        if (closing)
            ++i;
        if (i >= s_.size() || !s_[i].isLetter())
            return false;
        const qsizetype nameStart = i;
        while (i < s_.size() && isNameChar(s_[i]))
            ++i;
        token.kind = closing ? Token::Close : Token::Open;
        token.name = s_.mid(nameStart, i - nameStart).toLower();
        for (;;) {
            while (i < s_.size() && s_[i].isSpace())
                ++i;
            if (i >= s_.size()) {
                fault = Fault{
                    pos_, QStringLiteral("the tag <%1 is not closed with \">\".").arg(token.name)};
                pos_ = s_.size();
                return true;
            }
            if (s_[i] == QLatin1Char('>')) {
                pos_ = i + 1;
                return true;
            }
            if (s_[i] == QLatin1Char('/')) {
                ++i;
                continue;
            }
            const qsizetype attributeStart = i;
            while (i < s_.size() && !s_[i].isSpace() && s_[i] != QLatin1Char('=') &&
                   s_[i] != QLatin1Char('>') && s_[i] != QLatin1Char('/'))
                ++i;
            const QString attribute = s_.mid(attributeStart, i - attributeStart).toLower();
            QString value;
            while (i < s_.size() && s_[i].isSpace())
                ++i;
            if (i < s_.size() && s_[i] == QLatin1Char('=')) {
                ++i;
                while (i < s_.size() && s_[i].isSpace())
                    ++i;
                if (i < s_.size() && (s_[i] == QLatin1Char('"') || s_[i] == QLatin1Char('\''))) {
                    const QChar quote = s_[i];
                    const qsizetype end = s_.indexOf(quote, i + 1);
                    const qsizetype stop = end < 0 ? s_.size() : end;
                    value = s_.mid(i + 1, stop - i - 1);
                    i = end < 0 ? stop : stop + 1;
                } else {
                    const qsizetype valueStart = i;
                    while (i < s_.size() && !s_[i].isSpace() && s_[i] != QLatin1Char('>'))
                        ++i;
                    value = s_.mid(valueStart, i - valueStart);
                }
            }
            token.attributes.append({attribute, decodeEntities(value).trimmed()});
        }
    }

    const QString &s_;
    qsizetype pos_ = 0;
};

// The elements the engine lays out, with the attributes each of them takes.
const QHash<QString, QStringList> &elements() {
    const QStringList align{QStringLiteral("align")};
    const QStringList cell{QStringLiteral("align"), QStringLiteral("width")};
    static const QHash<QString, QStringList> known = {
        {QStringLiteral("h1"), align}, {QStringLiteral("h2"), align},
        {QStringLiteral("h3"), align}, {QStringLiteral("p"), align},
        {QStringLiteral("table"), {}}, {QStringLiteral("thead"), {}},
        {QStringLiteral("tbody"), {}}, {QStringLiteral("tr"), {}},
        {QStringLiteral("th"), cell},  {QStringLiteral("td"), cell},
        {QStringLiteral("hr"), {}},    {QStringLiteral("br"), {}},
        {QStringLiteral("b"), {}},     {QStringLiteral("strong"), {}},
        {QStringLiteral("i"), {}},     {QStringLiteral("em"), {}},
        {QStringLiteral("small"), {}},
    };
    return known;
}

std::optional<Qt::Alignment> readAlign(const QString &value) {
    if (value.compare(QLatin1String("left"), Qt::CaseInsensitive) == 0)
        return Qt::AlignLeft;
    if (value.compare(QLatin1String("center"), Qt::CaseInsensitive) == 0)
        return Qt::AlignHCenter;
    if (value.compare(QLatin1String("right"), Qt::CaseInsensitive) == 0)
        return Qt::AlignRight;
    return std::nullopt;
}

std::optional<double> readWidth(const QString &value) {
    if (!value.endsWith(QLatin1Char('%')))
        return std::nullopt;
    bool ok = false;
    const double percent = value.chopped(1).trimmed().toDouble(&ok);
    if (!ok || percent <= 0 || percent > 100)
        return std::nullopt;
    return percent;
}

QString attribute(const Token &token, const QString &name) {
    for (const auto &[key, value] : token.attributes) {
        if (key == name)
            return value;
    }
    return {};
}

// Builds the blocks from the tokens: paragraphs and headings collect inline
// text, tables collect rows of cells.
class Builder {
public:
    QList<Block> blocks;

    void token(const Token &token) {
        switch (token.kind) {
        case Token::Text:
            text(token.text);
            break;
        case Token::Open:
            open(token);
            break;
        case Token::Close:
            close(token.name);
            break;
        case Token::End:
            endParagraph();
            endTable();
            break;
        }
    }

private:
    void open(const Token &token) {
        const QString &name = token.name;
        const Qt::Alignment align =
            readAlign(attribute(token, QStringLiteral("align"))).value_or(Qt::AlignLeft);
        if (name == QLatin1String("b") || name == QLatin1String("strong")) {
            ++bold_;
        } else if (name == QLatin1String("i") || name == QLatin1String("em")) {
            ++italic_;
        } else if (name == QLatin1String("small")) {
            ++small_;
        } else if (name == QLatin1String("br")) {
            if (Inline *target = inlineTarget())
                lineBreak(*target);
        } else if (name == QLatin1String("table")) {
            if (table_ < 0) {
                endParagraph();
                blocks.append(Block{Block::Table, Qt::AlignLeft, {}, {}});
                table_ = int(blocks.size() - 1);
            }
        } else if (name == QLatin1String("thead")) {
            inHead_ = true;
        } else if (name == QLatin1String("tr")) {
            if (table_ >= 0) {
                endRow();
                blocks[table_].rows.append(Row{{}, inHead_});
                inRow_ = true;
                headerCellsOnly_ = true;
            }
        } else if (name == QLatin1String("th") || name == QLatin1String("td")) {
            if (table_ < 0)
                return;
            if (!inRow_)
                open(Token{Token::Open, QStringLiteral("tr"), {}, {}, token.position});
            Cell cell;
            cell.align = align;
            cell.widthPercent = readWidth(attribute(token, QStringLiteral("width"))).value_or(0);
            blocks[table_].rows.last().cells.append(cell);
            inCell_ = true;
            pendingSpace_ = false;
            headerCellsOnly_ = headerCellsOnly_ && name == QLatin1String("th");
        } else if (name == QLatin1String("hr")) {
            if (table_ < 0) {
                endParagraph();
                blocks.append(Block{Block::Rule, Qt::AlignLeft, {}, {}});
            }
        } else if (const auto kind = blockKind(name)) {
            if (inCell_) {
                lineBreak(currentCell().content);
            } else if (table_ < 0) {
                endParagraph();
                blocks.append(Block{*kind, align, {}, {}});
                paragraph_ = int(blocks.size() - 1);
                pendingSpace_ = false;
            }
        }
    }

    void close(const QString &name) {
        if (name == QLatin1String("b") || name == QLatin1String("strong")) {
            bold_ = qMax(0, bold_ - 1);
        } else if (name == QLatin1String("i") || name == QLatin1String("em")) {
            italic_ = qMax(0, italic_ - 1);
        } else if (name == QLatin1String("small")) {
            small_ = qMax(0, small_ - 1);
        } else if (name == QLatin1String("table")) {
            endTable();
        } else if (name == QLatin1String("thead")) {
            inHead_ = false;
        } else if (name == QLatin1String("tr")) {
            endRow();
        } else if (name == QLatin1String("th") || name == QLatin1String("td")) {
            endCell();
        } else if (blockKind(name) && !inCell_) {
            endParagraph();
        }
    }

    static std::optional<Block::Kind> blockKind(const QString &name) {
        if (name == QLatin1String("h1"))
            return Block::Heading1;
        if (name == QLatin1String("h2"))
            return Block::Heading2;
        if (name == QLatin1String("h3"))
            return Block::Heading3;
        if (name == QLatin1String("p"))
            return Block::Paragraph;
        return std::nullopt;
    }

    Cell &currentCell() { return blocks[table_].rows.last().cells.last(); }

    // Where inline text goes now; text between the cells of a table goes nowhere.
    Inline *inlineTarget() {
        if (inCell_)
            return &currentCell().content;
        if (table_ >= 0)
            return nullptr;
        if (paragraph_ < 0) {
            blocks.append(Block{Block::Paragraph, Qt::AlignLeft, {}, {}});
            paragraph_ = int(blocks.size() - 1);
            pendingSpace_ = false;
        }
        return &blocks[paragraph_].content;
    }

    void text(const QString &text) {
        // Blank text between blocks starts no paragraph.
        if (!inCell_ && paragraph_ < 0 &&
            std::all_of(text.begin(), text.end(), [](QChar c) { return c.isSpace(); }))
            return;
        Inline *target = inlineTarget();
        if (!target)
            return;
        const int style = (bold_ ? Bold : 0) | (italic_ ? Italic : 0) | (small_ ? Small : 0);
        for (const QChar c : text) {
            if (c.isSpace() && c != QChar(0x00a0)) {
                pendingSpace_ =
                    !target->text.isEmpty() && target->text.back() != QChar::LineSeparator;
                continue;
            }
            if (pendingSpace_)
                append(*target, QLatin1Char(' '), style);
            pendingSpace_ = false;
            append(*target, c, style);
        }
    }

    static void append(Inline &target, QChar c, int style) {
        if (style != Plain) {
            const int at = int(target.text.size());
            if (!target.spans.isEmpty() && target.spans.last().style == style &&
                target.spans.last().start + target.spans.last().length == at)
                ++target.spans.last().length;
            else
                target.spans.append({at, 1, style});
        }
        target.text += c;
    }

    void lineBreak(Inline &target) {
        if (!target.text.isEmpty())
            target.text += QChar::LineSeparator;
        pendingSpace_ = false;
    }

    static void trimBreaks(Inline &content) {
        while (content.text.endsWith(QChar::LineSeparator))
            content.text.chop(1);
    }

    void endParagraph() {
        if (paragraph_ < 0)
            return;
        Block &block = blocks[paragraph_];
        trimBreaks(block.content);
        if (block.content.text.isEmpty())
            blocks.removeAt(paragraph_);
        paragraph_ = -1;
    }

    void endCell() {
        if (inCell_)
            trimBreaks(currentCell().content);
        inCell_ = false;
    }

    void endRow() {
        endCell();
        if (!inRow_)
            return;
        Row &row = blocks[table_].rows.last();
        // Rows of header cells before the first row of data head the table too.
        row.header = row.header || (headerCellsOnly_ && !dataSeen_);
        if (row.cells.isEmpty())
            blocks[table_].rows.removeLast();
        else
            dataSeen_ = dataSeen_ || !row.header;
        inRow_ = false;
    }

    void endTable() {
        if (table_ < 0)
            return;
        endRow();
        if (blocks[table_].rows.isEmpty())
            blocks.removeAt(table_);
        table_ = -1;
        inHead_ = false;
        dataSeen_ = false;
    }

    int paragraph_ = -1;
    int table_ = -1;
    bool inHead_ = false;
    bool inRow_ = false;
    bool inCell_ = false;
    bool headerCellsOnly_ = false;
    bool dataSeen_ = false;
    bool pendingSpace_ = false;
    int bold_ = 0;
    int italic_ = 0;
    int small_ = 0;
};

} // namespace

std::optional<Fault> check(const QString &markup) {
    Tokenizer tokens(markup);
    for (Token token = tokens.next(); token.kind != Token::End; token = tokens.next()) {
        if (tokens.fault)
            return tokens.fault;
        if (token.kind == Token::Text)
            continue;
        const auto element = elements().constFind(token.name);
        if (element == elements().constEnd())
            return Fault{token.position,
                         QStringLiteral("<%1> is not an element the report engine knows (it "
                                        "knows h1, h2, h3, p, table, thead, tbody, tr, th, td, "
                                        "hr, br, b, strong, i, em and small).")
                             .arg(token.name)};
        for (const auto &[name, value] : token.attributes) {
            if (!element->contains(name))
                return Fault{token.position,
                             QStringLiteral("<%1> takes no attribute \"%2\"%3.")
                                 .arg(token.name, name,
                                      element->isEmpty()
                                          ? QString()
                                          : QStringLiteral(" (it takes %1)")
                                                .arg(element->join(QLatin1String(", "))))};
            // A value made by a mustache tag is blank here and checked when filled in.
            if (value.trimmed().isEmpty())
                continue;
            if (name == QLatin1String("align") && !readAlign(value))
                return Fault{token.position,
                             QStringLiteral("align=\"%1\" of <%2> is not left, center or right.")
                                 .arg(value, token.name)};
            if (name == QLatin1String("width") && !readWidth(value))
                return Fault{token.position, QStringLiteral("width=\"%1\" of <%2> is not a "
                                                            "percentage such as \"20%\".")
                                                 .arg(value, token.name)};
        }
    }
    return tokens.fault;
}

QList<Block> parse(const QString &markup) {
    Tokenizer tokens(markup);
    Builder builder;
    for (Token token = tokens.next();; token = tokens.next()) {
        builder.token(token);
        if (token.kind == Token::End)
            break;
    }
    return std::move(builder.blocks);
}

} // namespace report::markup
