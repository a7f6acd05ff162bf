#include "ReportTemplate.h"

#include "Markup.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace report {

namespace {

const QString rowsSection = QStringLiteral("Rows");
const QString placeName = QStringLiteral("Place");

QStringList splitList(const QString &value) {
    QStringList items;
    for (const QString &item : value.split(QLatin1Char(',')))
        items << item.trimmed();
    return items;
}

// Where a name stands in a fault: quoted as the template writes it.
QString tagText(const QString &name) {
    return QStringLiteral("{{%1}}").arg(name);
}

} // namespace

const QStringList &ReportTemplate::reportNames() {
    static const QStringList names = {
        QStringLiteral("Club Name"),    QStringLiteral("Club Address"),
        QStringLiteral("Club City"),    QStringLiteral("Report Title"),
        QStringLiteral("Print Date"),   QStringLiteral("Record Count"),
        QStringLiteral("Database Name")};
    return names;
}

void ReportTemplate::fail(int line, const QString &fault) const {
    if (line <= 0)
        throw ReportError(
            QStringLiteral("The report template \"%1\" can not be used: %2").arg(path_, fault));
    throw ReportError(QStringLiteral("The report template \"%1\" has an error on line %2: %3")
                          .arg(path_)
                          .arg(line)
                          .arg(fault));
}

ReportTemplate ReportTemplate::read(const QString &path) {
    QFile file(path);
    if (!QFileInfo(path).isFile())
        throw ReportError(QStringLiteral("The report template \"%1\" was not found.").arg(path));
    if (!file.open(QIODevice::ReadOnly))
        throw ReportError(QStringLiteral("The report template \"%1\" can not be read.").arg(path));
    ReportTemplate result;
    result.path_ = path;
    result.parse(QString::fromUtf8(file.readAll()));
    return result;
}

void ReportTemplate::parse(const QString &text) {
    QString normalized = text;
    // Any text editor may have written it: a byte order mark, Windows or old Mac line ends.
    if (normalized.startsWith(QChar(0xfeff)))
        normalized.remove(0, 1);
    normalized.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    normalized.replace(QLatin1Char('\r'), QLatin1Char('\n'));

    const QStringList lines = normalized.split(QLatin1Char('\n'));
    int bodyStart = 0;
    readHeader(lines, bodyStart);
    bodyLine_ = bodyStart + 1;
    body_ = lines.mid(bodyStart).join(QLatin1Char('\n'));
    scanBody();
}

void ReportTemplate::readHeader(const QStringList &lines, int &bodyStart) {
    int index = 0;
    for (; index < lines.size() && !lines[index].trimmed().isEmpty(); ++index) {
        const int line = index + 1;
        const QString &text = lines[index];
        const int colon = text.indexOf(QLatin1Char(':'));
        if (colon < 0)
            fail(line, QStringLiteral("a template starts with header lines such as "
                                      "\"Table: Members\", then a blank line, then its body."));
        const QString key = text.left(colon).trimmed().toLower();
        const QString value = text.mid(colon + 1).trimmed();
        if (key == QLatin1String("table")) {
            table_ = value;
            tableLine_ = line;
        } else if (key == QLatin1String("title")) {
            title_ = value;
        } else if (key == QLatin1String("orientation")) {
            if (value.compare(QLatin1String("portrait"), Qt::CaseInsensitive) == 0)
                orientation_ = QPageLayout::Portrait;
            else if (value.compare(QLatin1String("landscape"), Qt::CaseInsensitive) == 0)
                orientation_ = QPageLayout::Landscape;
            else
                fail(line, QStringLiteral("the orientation \"%1\" is neither Portrait nor "
                                          "Landscape.")
                               .arg(value));
        } else if (key == QLatin1String("order")) {
            for (QString item : splitList(value)) {
                OrderKey key{item, false, line};
                for (const char *direction : {"descending", "ascending"}) {
                    const QString word = QLatin1Char(' ') + QLatin1String(direction);
                    if (item.endsWith(word, Qt::CaseInsensitive)) {
                        key.field = item.chopped(word.size()).trimmed();
                        key.descending = qstrcmp(direction, "descending") == 0;
                    }
                }
                order_ << key;
            }
        } else if (key == QLatin1String("best")) {
            for (const QString &field : splitList(value))
                best_ << Best{field, line};
        } else {
            fail(line, QStringLiteral("\"%1\" is not a header the report engine knows (Table, "
                                      "Title, Orientation, Order, Best).")
                           .arg(text.left(colon).trimmed()));
        }
    }
    if (table_.isEmpty())
        fail(1, QStringLiteral("the header does not name the table to print (a line "
                               "\"Table: ...\")."));
    bodyStart = index + 1;
}

// Finds the mustache tags of the body and checks that they and its HTML are
// well formed, so that a fault is reported with its line before anything is read.
void ReportTemplate::scanBody() {
    QString markup = body_;
    struct Open {
        QString name;
        int line;
        bool rows;
    };
    QList<Open> open;
    QStringList rowSections{rowsSection};
    for (const Best &best : best_)
        rowSections << bestSection(best.field);

    int line = bodyLine_;
    qsizetype counted = 0;
    const auto lineAt = [&](qsizetype position) {
        for (; counted < position; ++counted) {
            if (body_[counted] == QLatin1Char('\n'))
                ++line;
        }
        return line;
    };

    qsizetype position = 0;
    while ((position = body_.indexOf(QLatin1String("{{"), position)) >= 0) {
        const int tagLine = lineAt(position);
        const bool triple = body_.mid(position, 3) == QLatin1String("{{{");
        const QString closing = triple ? QStringLiteral("}}}") : QStringLiteral("}}");
        const qsizetype end = body_.indexOf(closing, position + closing.size());
        if (end < 0)
            fail(tagLine,
                 QStringLiteral("the tag \"%1\" is not closed with \"%2\".")
                     .arg(body_.mid(position, 12).section(QLatin1Char('\n'), 0, 0), closing));
        const QString contents =
            body_.mid(position + closing.size(), end - position - closing.size()).trimmed();
        for (qsizetype i = position; i < end + closing.size(); ++i) {
            if (markup[i] != QLatin1Char('\n'))
                markup[i] = QLatin1Char(' ');
        }
        position = end + closing.size();

        const QChar sigil = contents.isEmpty() ? QChar() : contents[0];
        if (triple || sigil == QLatin1Char('&'))
            fail(tagLine,
                 QStringLiteral("%1 would print a value unescaped; a report always "
                                "escapes values: write {{name}}.")
                     .arg(triple ? QStringLiteral("{{{%1}}}").arg(contents) : tagText(contents)));
        if (sigil == QLatin1Char('='))
            fail(tagLine, QStringLiteral("a report template can not change the tag delimiters."));
        if (sigil == QLatin1Char('>'))
            fail(tagLine, QStringLiteral("a report template can not include partials (%1).")
                              .arg(tagText(contents)));
        if (sigil == QLatin1Char('!')) {
            tags_ << Tag{Tag::Comment, {}, tagLine, false};
            continue;
        }
        const bool hasSigil =
            sigil == QLatin1Char('#') || sigil == QLatin1Char('^') || sigil == QLatin1Char('/');
        const QString name = hasSigil ? contents.mid(1).trimmed() : contents;
        if (name.isEmpty())
            fail(tagLine, QStringLiteral("the tag %1 names nothing.").arg(tagText(contents)));
        const bool inRows =
            std::any_of(open.begin(), open.end(), [](const Open &o) { return o.rows; });

        if (sigil == QLatin1Char('/')) {
            if (open.isEmpty())
                fail(tagLine, QStringLiteral("%1 closes a section that was never opened.")
                                  .arg(tagText(contents)));
            if (open.last().name != name)
                fail(tagLine, QStringLiteral("%1 closes the section \"%2\" opened on line %3.")
                                  .arg(tagText(contents), open.last().name)
                                  .arg(open.last().line));
            open.removeLast();
            tags_ << Tag{Tag::End, name, tagLine, inRows};
        } else if (hasSigil) {
            tags_ << Tag{sigil == QLatin1Char('#') ? Tag::Section : Tag::InvertedSection, name,
                         tagLine, inRows};
            open << Open{name, tagLine, sigil == QLatin1Char('#') && rowSections.contains(name)};
        } else {
            tags_ << Tag{Tag::Variable, name, tagLine, inRows};
        }
    }
    if (!open.isEmpty())
        fail(open.last().line,
             QStringLiteral("the section \"%1\" is not closed: %2 is missing.")
                 .arg(open.last().name, tagText(QLatin1Char('/') + open.last().name)));

    if (const auto fault = markup::check(markup))
        fail(bodyLine_ + int(markup.left(fault->position).count(QLatin1Char('\n'))),
             fault->message);
}

void ReportTemplate::checkFields(const QString &table, const QList<data::Field> &fields,
                                 const QString &databaseName) const {
    const auto exact = [&](const QString &name) {
        return std::any_of(fields.begin(), fields.end(),
                           [&](const data::Field &field) { return field.name == name; });
    };
    const auto missing = [&](const QString &name) {
        QString fault = QStringLiteral("the field \"%1\" is not in the table \"%2\" of \"%3\"")
                            .arg(name, table, databaseName);
        for (const data::Field &field : fields) {
            if (field.name.compare(name, Qt::CaseInsensitive) == 0)
                fault += QStringLiteral(" (its name is written \"%1\")").arg(field.name);
        }
        return fault + QLatin1Char('.');
    };

    for (const OrderKey &key : order_) {
        if (!exact(key.field))
            fail(key.line, missing(key.field));
    }
    QStringList sections{rowsSection};
    for (const Best &best : best_) {
        if (!exact(best.field))
            fail(best.line, missing(best.field));
        sections << bestSection(best.field);
    }
    for (const Tag &tag : tags_) {
        if (tag.kind == Tag::Comment || tag.kind == Tag::End)
            continue;
        const QString &name = tag.name;
        if (reportNames().contains(name) || name == QLatin1String("."))
            continue;
        if (tag.kind != Tag::Variable && sections.contains(name))
            continue;
        if (tag.inRows && (name == placeName || exact(name)))
            continue;
        if (exact(name))
            fail(tag.line, QStringLiteral("the field \"%1\" can only be used between {{#Rows}} "
                                          "and {{/Rows}}.")
                               .arg(name));
        if (tag.inRows)
            fail(tag.line, missing(name));
        fail(tag.line, QStringLiteral("%1 is neither a field of the table \"%2\" nor one of the "
                                      "report's names (%3, Rows).")
                           .arg(tagText(name), table, reportNames().join(QLatin1String(", "))));
    }
}

QString ReportTemplate::findTable(const QStringList &tables, const QString &databaseName) const {
    for (const QString &name : tables) {
        if (name.compare(table_, Qt::CaseInsensitive) == 0)
            return name;
    }
    fail(tableLine_,
         QStringLiteral("the table \"%1\" is not in \"%2\".").arg(table_, databaseName));
}

} // namespace report
