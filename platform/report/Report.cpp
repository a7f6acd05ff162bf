#include "Report.h"

#include "Pages.h"
#include "ReportRows.h"
#include "data/Dates.h"
#include "data/RecordSource.h"

#include <QFileInfo>
#include <QLocale>
#include <QPdfWriter>
#include <kainjow/mustache.hpp>
#include <optional>

namespace report {

namespace mustache = kainjow::mustache;

namespace {

std::string utf8(const QString &text) {
    return text.toStdString();
}

// An empty value is false, so that a section over it is left out.
mustache::data value(const QString &text) {
    return text.isEmpty() ? mustache::data(false) : mustache::data(utf8(text));
}

// Values print as written: markup characters are escaped, line breaks kept.
std::string escape(const std::string &text) {
    std::string result;
    result.reserve(text.size() + 16);
    for (size_t i = 0; i < text.size(); ++i) {
        switch (text[i]) {
        case '&':
            result += "&amp;";
            break;
        case '<':
            result += "&lt;";
            break;
        case '>':
            result += "&gt;";
            break;
        case '"':
            result += "&quot;";
            break;
        case '\'':
            result += "&#39;";
            break;
        case '\r':
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            result += "<br>";
            break;
        case '\n':
            result += "<br>";
            break;
        default:
            result += text[i];
        }
    }
    return result;
}

struct ClubInfo {
    QString name;
    QString address;
    QString city;
};

ClubInfo readClubInfo(const QString &clubDatabasePath) {
    const auto records =
        data::Database::OpenDatabase(clubDatabasePath).OpenRecordset(QStringLiteral("Club Info"));
    if (!records->hasCurrent())
        return {};
    return {records->value(QStringLiteral("Club Name")).toString(),
            records->value(QStringLiteral("Club Address")).toString(),
            records->value(QStringLiteral("Club City")).toString()};
}

mustache::data rowData(const ReportRows &rows, int row) {
    mustache::data item;
    const QStringList &values = rows.values[size_t(row)];
    for (qsizetype field = 0; field < rows.fields.size(); ++field)
        item[utf8(rows.fields[field].name)] = value(values[field]);
    item["Place"] = mustache::data(std::to_string(rows.places[size_t(row)]));
    return item;
}

} // namespace

Report Report::prepare(const platform::ReportRequest &request, const QString &clubDatabasePath,
                       QDate printDate) {
    const ReportTemplate reportTemplate = ReportTemplate::read(request.templatePath);

    // The data source: an open record source as it is now, or a table of a database file.
    std::unique_ptr<data::Recordset> opened;
    const data::Recordset *records = nullptr;
    if (request.recordSource) {
        records = &request.recordSource->recordset();
    } else {
        const auto database = data::Database::OpenDatabase(
            request.databasePath.isEmpty() ? clubDatabasePath : request.databasePath);
        const QString table = request.table.isEmpty()
                                  ? reportTemplate.findTable(database.tableNames(),
                                                             QFileInfo(database.name()).fileName())
                                  : request.table;
        opened = database.OpenRecordset(table);
        records = opened.get();
    }
    const QFileInfo databaseFile(records->databaseName());
    reportTemplate.checkFields(records->tableName(), records->fields(), databaseFile.fileName());
    const ReportRows rows = readRows(*records, reportTemplate.order());
    const ClubInfo club = readClubInfo(clubDatabasePath);

    Report report;
    report.title_ = request.title.isEmpty() ? reportTemplate.title() : request.title;
    report.orientation_ = reportTemplate.orientation();
    const QString date = data::shortDate(printDate);
    QStringList footer{club.name, report.title_, QStringLiteral("printed ") + date};
    footer.removeAll(QString());
    report.footer_ = footer.join(QStringLiteral("  \u00b7  "));

    mustache::data values;
    values["Club Name"] = value(club.name);
    values["Club Address"] = value(club.address);
    values["Club City"] = value(club.city);
    values["Report Title"] = value(report.title_);
    values["Print Date"] = value(date);
    values["Record Count"] = value(QString::number(rows.values.size()));
    values["Database Name"] = value(databaseFile.completeBaseName());
    mustache::data &list = values["Rows"];
    list = mustache::data(mustache::data::type::list);
    for (int row = 0; row < int(rows.values.size()); ++row)
        list.push_back(rowData(rows, row));
    for (const ReportTemplate::Best &best : reportTemplate.best()) {
        mustache::data &picks = values[utf8(ReportTemplate::bestSection(best.field))];
        picks = mustache::data(mustache::data::type::list);
        for (const int row : rows.best(best.field))
            picks.push_back(rowData(rows, row));
    }

    mustache::mustache engine(utf8(reportTemplate.body()));
    engine.set_custom_escape(escape);
    const std::string markup = engine.render(values);
    // The template was checked when it was read; this catches what that check does not know.
    if (!engine.is_valid())
        throw ReportError(
            QStringLiteral("The report template \"%1\" can not be used: %2.")
                .arg(reportTemplate.path(), QString::fromStdString(engine.error_message())));
    report.markup_ = QString::fromStdString(markup);
    report.blocks_ = markup::parse(report.markup_);
    return report;
}

QPageLayout Report::pageLayout() const {
    const bool letter = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
    return QPageLayout(QPageSize(letter ? QPageSize::Letter : QPageSize::A4), orientation_,
                       QMarginsF(36, 36, 36, 36), QPageLayout::Point);
}

std::unique_ptr<Pages> Report::layOut(const QPageLayout &page) const {
    return std::make_unique<Pages>(blocks_, page, footer_);
}

void Report::writePdf(const QString &path) const {
    QPdfWriter writer(path);
    writer.setResolution(Pages::dotsPerInch);
    writer.setTitle(title_);
    writer.setCreator(QStringLiteral("Creelbook"));
    writer.setPageLayout(pageLayout());
    if (!layOut(pageLayout())->print(writer))
        throw ReportError(QStringLiteral("The PDF file \"%1\" can not be written.").arg(path));
}

} // namespace report
