// The member list report of a club of 1,000 and of 10,000 members, from the
// request to the finished PDF file: template, data, layout and writing.
#include "ClubDatabase.h"
#include "report/QtReports.h"
#include "services/ProgramFolder.h"
#include "services/QtServices.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// A club database of `members` members with every field of the list filled in.
QString installClub(const QString &home, int members) {
    qputenv("CREELBOOK_HOME", home.toUtf8());
    platform::installMissingContent();
    const QString path = clubdata::clubDatabasePath();
    clubdata::createClubDatabase(path);
    QString rows = QStringLiteral("DELETE FROM \"Members\";\n");
    for (int i = 0; i < members; ++i)
        rows += QStringLiteral(
                    "INSERT INTO \"Members\" VALUES ('Member %1', '%1 Lakeshore Blvd.', "
                    "'Lot %2', 'Old Hickory', 'TN', '37138', '(615) 555-%3', '(615) 555-%4', "
                    "'(615) 555-%5', 'member%1@example.com', 'Regular', 'Yes', '%1', "
                    "'Fishes on weekends.');\n")
                    .arg(i)
                    .arg(i % 40)
                    .arg(1000 + i % 9000)
                    .arg(2000 + i % 8000)
                    .arg(3000 + i % 7000);
    data::Database::OpenDatabase(path).runScript(rows);
    return path;
}

void MemberListToPdf(benchmark::State &state) {
    QTemporaryDir home;
    const QString club = installClub(home.path(), int(state.range(0)));
    report::QtReports reports(club);
    const platform::ReportRequest request{
        platform::programPath(QStringLiteral("C:\\Program Files\\Creelbook\\member.rpt")),
        {},
        {},
        {},
        {}};
    const QString pdf = home.filePath(QStringLiteral("members.pdf"));
    for (auto _ : state) {
        QString error;
        if (!reports.renderPdf(request, pdf, &error)) {
            state.SkipWithError(error.toStdString().c_str());
            break;
        }
    }
    state.counters["members"] = double(state.range(0));
}
BENCHMARK(MemberListToPdf)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Repetitions(5);

} // namespace

int main(int argc, char *argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    platform::installServices(platform::desktopServices());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
