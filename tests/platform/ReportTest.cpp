#include "ClubDatabase.h"
#include "ProgramFolderFixture.h"
#include "data/RecordSource.h"
#include "report/PrintPreview.h"
#include "report/QtReports.h"
#include "services/Forms.h"
#include "services/ProgramFolder.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <optional>

using platform::ReportRequest;
using testsupport::executeSql;

namespace {

QString installed(const char *windowsPath) {
    return platform::programPath(QString::fromUtf8(windowsPath));
}

// The text of a PDF file as pdftotext lays it out.
QString pdfText(const QString &pdf) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        ADD_FAILURE() << "pdftotext failed on " << pdf.toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

enum class LedgerFormat { Boat, Angler };

// A tournament ledger database; each row gives the fields in table order.
QString createLedger(const QString &path, LedgerFormat format, const QList<QStringList> &rows) {
    const QStringList fields =
        format == LedgerFormat::Boat
            ? QStringList{"Boat #",      "Boater",       "Co-Angler", "Total Weight", "Big Fish",
                          "Fish Weight", "Fish Weighed", "Penalty",   "Remarks"}
            : QStringList{"Angler",      "Total Weight", "Big Fish", "Fish Weighed",
                          "Fish Weight", "Penalty",      "Remarks"};
    auto database = data::Database::CreateDatabase(path);
    auto table = database.CreateTableDef(QStringLiteral("Tournament"));
    for (const QString &field : fields) {
        const bool memo = field == QLatin1String("Remarks");
        table.Append(table.CreateField(field, memo ? data::FieldType::Memo : data::FieldType::Text,
                                       field == QLatin1String("Boat #") ? 6 : 50));
    }
    database.Append(table);
    auto records = database.OpenRecordset(QStringLiteral("Tournament"));
    for (const QStringList &row : rows) {
        records->AddNew();
        for (qsizetype i = 0; i < row.size(); ++i)
            records->setValue(fields[i], row[i]);
        records->Update();
    }
    return path;
}

const QList<QStringList> teamRows = {
    {"1", "Ned Pike", "Al Crappie", "9.75", "2.50", "9.75", "5", "0", "Fished the ledges."},
    {"2", "Otis Bream", "", "10.5", "4.75", "11.00", "5", "0.5", "Late to check-in"},
    {"10", "Lou Walleye", "Roy Sauger", "12", "3.10", "12", "5", "0", ""},
};

class ReportTest : public testsupport::ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        install();
        reports = std::make_unique<report::QtReports>(club());
    }

    std::unique_ptr<report::QtReports> reports;

    QString club() const { return clubdata::clubDatabasePath(); }
};

struct TemplateCase {
    const char *name;
    const char *templatePath;
    const char *title;
    std::optional<LedgerFormat> ledger; // else the club database
    const char *addRows;                // SQL run on the club database first
    QStringList inOrder;                // texts that print in this order
};

void PrintTo(const TemplateCase &test, std::ostream *out) {
    *out << test.name;
}

class EveryTemplate : public ReportTest, public ::testing::WithParamInterface<TemplateCase> {};

// Each template prints the installed rows under the club's name, the report
// title, the print date and a page number, in the order it sets.
TEST_P(EveryTemplate, RendersItsDataToPdf) {
    const TemplateCase &test = GetParam();
    ReportRequest request{installed(test.templatePath), QString::fromUtf8(test.title), {}, {}, {}};
    if (test.ledger == LedgerFormat::Boat)
        request.databasePath = createLedger(path("01-01-04.mdb"), *test.ledger, teamRows);
    if (test.ledger == LedgerFormat::Angler)
        request.databasePath =
            createLedger(path("01-01-04.mdb"), *test.ledger,
                         {{"Ned Pike", "9.75", "2.50", "5", "9.75", "0", ""},
                          {"Otis Bream", "10.5", "4.75", "5", "11.00", "0.5", ""},
                          {"Lou Walleye", "12", "3.10", "5", "12", "0", ""}});
    if (*test.addRows)
        executeSql(club(), QString::fromUtf8(test.addRows));

    const QString pdf = path(QStringLiteral("report.pdf"));
    QString error;
    ASSERT_TRUE(reports->renderPdf(request, pdf, &error)) << error.toStdString();
    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("printed 3/14/2027")));
    QStringList expected{QStringLiteral("Cedar Hollow Bassmasters")};
    expected << test.inOrder << QStringLiteral("Page 1 of 1");
    qsizetype at = 0;
    for (const QString &part : expected) {
        const qsizetype found = text.indexOf(part, at);
        EXPECT_GE(found, 0) << "\"" << part.toStdString() << "\" missing or out of order in\n"
                            << text.toStdString();
        at = found < 0 ? at : found + part.size();
    }
    EXPECT_TRUE(fakes_.prompter->calls.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Installed, EveryTemplate,
    ::testing::Values(
        TemplateCase{"Members",
                     "C:\\Program Files\\Creelbook\\member.rpt",
                     "",
                     {},
                     "",
                     {"Member List", "12 members", "Buddy Farnsworth", "Clint Ashby",
                      "Earl Wimberly", "(615) 555-0109 home", "Walt Henning", "412 Ridgecrest Dr.",
                      "walt.henning@example.com"}},
        TemplateCase{"Schedule",
                     "C:\\Program Files\\Creelbook\\tschedule.rpt",
                     "",
                     {},
                     "INSERT INTO \"Tournament\" (\"Date\", \"Lake\", \"Ramp\", \"Start Time\") "
                     "VALUES ('2027-01-16', 'Lake Barkley', 'Eddy Creek', '7:00 AM')",
                     {"Tournament Schedule", "1/16/2027", "Lake Barkley", "Eddy Creek", "7:00 AM",
                      "3/13/2027", "Percy Priest Lake", "Seven Points Marina", "6:30 AM",
                      "10/9/2027"}},
        TemplateCase{"Contacts",
                     "C:\\Program Files\\Creelbook\\contacts.rpt",
                     "",
                     {},
                     "",
                     {"Contact List", "Harbor Tackle & Bait", "455 Main St.", "Lebanon, TN 37087",
                      "Seven Points Marina", "TWRA District Office"}},
        TemplateCase{"Reminders",
                     "C:\\Program Files\\Creelbook\\reminders.rpt",
                     "",
                     {},
                     "INSERT INTO \"Reminders\" VALUES ('2026-12-01', 'Book the banquet hall.')",
                     {"Reminders", "12/1/2026", "Book the banquet hall.", "1/5/2027",
                      "Club meeting", "Vote on the 2027 schedule.", "3/10/2027", "Order trophies"}},
        TemplateCase{"Statistics",
                     "C:\\Program Files\\Creelbook\\stats.rpt",
                     "",
                     {},
                     "",
                     {"Member Statistics", "Best weight: 18.21 lb", "José Núñez",
                      "Biggest fish: 6.05 lb", "Buddy Farnsworth", "Dale O'Brien", "Walt Henning",
                      "14.62"}},
        TemplateCase{"TeamLedger",
                     "C:\\Program Files\\Creelbook\\tournteam.rpt",
                     "Club Team Tournament",
                     LedgerFormat::Boat,
                     "",
                     {"Club Team Tournament", "Tournament 01-01-04", "Big fish: 4.75 lb",
                      "Otis Bream", "Lou Walleye", "Roy Sauger", "12", "Otis Bream", "10.5",
                      "Ned Pike", "Al Crappie", "9.75"}},
        TemplateCase{"OpenLedger",
                     "C:\\Program Files\\Creelbook\\Tournaments\\Open\\tournopen.rpt",
                     "Open Team Tournament",
                     LedgerFormat::Boat,
                     "",
                     {"Open Team Tournament", "Lou Walleye", "Otis Bream", "Ned Pike"}},
        TemplateCase{"SinglesLedger",
                     "C:\\Program Files\\Creelbook\\Tournaments\\Singles\\tournsingles.rpt",
                     "Club Singles Tournament",
                     LedgerFormat::Angler,
                     "",
                     {"Club Singles Tournament", "Big fish: 4.75 lb", "Otis Bream", "Lou Walleye",
                      "12", "Otis Bream", "10.5", "Ned Pike", "9.75"}}),
    [](const auto &info) { return std::string(info.param.name); });

// The ledger window presets its record source once; the report reads the
// tournament the source holds when it runs, ranked by total weight as numbers.
TEST_F(ReportTest, LedgerRanksTheOpenTournamentByTotalWeight) {
    data::RecordSource source;
    const ReportRequest request{installed("C:\\Program Files\\Creelbook\\tournteam.rpt"),
                                QStringLiteral("Club Team Tournament"),
                                {},
                                {},
                                &source};
    source.setRecordset(data::Database::OpenDatabase(
                            createLedger(path("12-25-04.mdb"), LedgerFormat::Boat, teamRows))
                            .OpenRecordset(QStringLiteral("Tournament")));

    const QString pdf = path(QStringLiteral("ledger.pdf"));
    QString error;
    ASSERT_TRUE(reports->renderPdf(request, pdf, &error)) << error.toStdString();
    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("Tournament 12-25-04"))) << text.toStdString();
    const QRegularExpression ranked(
        QStringLiteral(
            "^\\s*1\\s+10\\s+Lou Walleye\\s+Roy Sauger.*\\s12\\s+3.10\\s*$"
            "[\\s\\S]*^\\s*2\\s+2\\s+Otis Bream\\s.*\\s10.5\\s+4.75\\s+Late to check-in\\s*$"
            "[\\s\\S]*^\\s*3\\s+1\\s+Ned Pike\\s+Al Crappie\\s.*\\s9.75\\s+2.50\\s+Fished the"),
        QRegularExpression::MultilineOption);
    EXPECT_TRUE(ranked.match(text).hasMatch()) << text.toStdString();
}

TEST_F(ReportTest, ValuesPrintAsWritten) {
    executeSql(club(), QStringLiteral("UPDATE \"Members\" SET \"Name\" = '<b>Bob & Sue</b>', "
                                      "\"Address\" = 'Cabin 3 &amp; 4' WHERE rowid = 1"));
    const QString pdf = path(QStringLiteral("members.pdf"));
    ASSERT_TRUE(reports->renderPdf(
        {installed("C:\\Program Files\\Creelbook\\member.rpt"), {}, {}, {}, {}}, pdf, nullptr));
    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("<b>Bob & Sue</b>"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Cabin 3 &amp; 4"))) << text.toStdString();
}

struct FaultCase {
    const char *name;
    const char *contents; // nullptr: no template file at all
    const char *message;  // %1 stands for the template's path
};

void PrintTo(const FaultCase &test, std::ostream *out) {
    *out << test.name;
}

class TemplateFault : public ReportTest, public ::testing::WithParamInterface<FaultCase> {};

// A broken template is one message naming the file and the fault; nothing is shown or written.
TEST_P(TemplateFault, IsReportedAndNothingPrints) {
    const FaultCase &test = GetParam();
    const QString templatePath = path(QStringLiteral("broken.rpt"));
    if (test.contents) {
        QFile file(templatePath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(test.contents);
    }
    const ReportRequest request{templatePath, {}, {}, {}, {}};
    const QString expected = QString::fromUtf8(test.message).arg(templatePath);

    reports->preview(request);
    ASSERT_EQ(fakes_.prompter->calls.size(), 1u);
    EXPECT_EQ(fakes_.prompter->calls[0].text, expected);
    EXPECT_EQ(fakes_.prompter->calls[0].icon, platform::Icon::Exclamation);
    EXPECT_FALSE(platform::Forms::find<report::PrintPreview>());

    QString error;
    const QString pdf = path(QStringLiteral("broken.pdf"));
    EXPECT_FALSE(reports->renderPdf(request, pdf, &error));
    EXPECT_EQ(error, expected);
    EXPECT_FALSE(QFileInfo::exists(pdf));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TemplateFault,
    ::testing::Values(
        FaultCase{"Missing", nullptr, "The report template \"%1\" was not found."},
        FaultCase{"UnclosedSection",
                  "Table: Members\n\n<table>\n{{#Rows}}\n<tr><td>{{Name}}</td></tr>\n</table>\n",
                  "The report template \"%1\" has an error on line 4: the section \"Rows\" is "
                  "not closed: {{/Rows}} is missing."},
        FaultCase{"UnknownTable", "Title: Boats\nTable: Boats\n\n<p>{{Record Count}}</p>\n",
                  "The report template \"%1\" has an error on line 2: the table \"Boats\" is not "
                  "in \"rosterbase.mdb\"."},
        FaultCase{"UnknownField",
                  "Table: Members\n\n<table>\n{{#Rows}}\n<tr><td>{{Name}}</td>\n"
                  "<td>{{Phone}}</td></tr>\n{{/Rows}}\n</table>\n",
                  "The report template \"%1\" has an error on line 6: the field \"Phone\" is not "
                  "in the table \"Members\" of \"rosterbase.mdb\"."}),
    [](const auto &info) { return std::string(info.param.name); });

// Print runs to the window "Print Preview", which saves the report as a PDF
// file; a second print shows its report in the same window.
TEST_F(ReportTest, PreviewShowsThePagesAndSavesAPdf) {
    QString script;
    for (int i = 0; i < 80; ++i)
        script += QStringLiteral("INSERT INTO \"Members\" (\"Name\") VALUES ('Angler %1');").arg(i);
    executeSql(club(), script);
    reports->preview({installed("C:\\Program Files\\Creelbook\\member.rpt"), {}, {}, {}, {}});

    auto *window = platform::Forms::find<report::PrintPreview>();
    ASSERT_TRUE(window);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Print Preview"));
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(window->pageCount(), 4);
    EXPECT_EQ(window->findChild<QLabel *>(QStringLiteral("lblPage"))->text(),
              QStringLiteral("Page 1 of 4"));
    window->findChild<QAction *>(QStringLiteral("actNext"))->trigger();
    EXPECT_EQ(window->currentPage(), 2);

    const QString pdf = path(QStringLiteral("saved")); // the extension is added
    fakes_.dialogs->fileNames.push_back(pdf);
    window->findChild<QAction *>(QStringLiteral("actSavePdf"))->trigger();
    EXPECT_EQ(fakes_.dialogs->titles, QStringList{QStringLiteral("Save as PDF")});
    const QString text = pdfText(pdf + QStringLiteral(".pdf"));
    EXPECT_TRUE(text.contains(QStringLiteral("Angler 79")));
    EXPECT_TRUE(text.contains(QStringLiteral("Page 4 of 4")));

    reports->preview({installed("C:\\Program Files\\Creelbook\\reminders.rpt"), {}, {}, {}, {}});
    EXPECT_EQ(platform::Forms::find<report::PrintPreview>(), window);
    EXPECT_EQ(window->report()->title(), QStringLiteral("Reminders"));
    EXPECT_EQ(window->pageCount(), 1);
    EXPECT_TRUE(fakes_.prompter->calls.empty());
}

} // namespace
