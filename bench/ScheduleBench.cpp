// The schedule window over 10,000 tournaments: opening and filling it, and its
// two sorts, against reading the same table with plain SQLite as the floor.
#include "ClubDatabase.h"
#include "LargeClub.h"
#include "frmSchedule.h"

#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {

void PlainSqliteRead(benchmark::State &state)
{
    for (auto _ : state) {
        sqlite3 *db = nullptr;
        sqlite3_open_v2(QFile::encodeName(clubdata::clubDatabasePath()).constData(), &db,
                        SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_stmt *statement = nullptr;
        sqlite3_prepare_v2(db, "SELECT * FROM \"Tournament\" ORDER BY rowid", -1, &statement,
                           nullptr);
        QStringList cells;
        while (sqlite3_step(statement) == SQLITE_ROW) {
            for (int i = 0; i < sqlite3_column_count(statement); ++i)
                cells << QString::fromUtf8(
                    reinterpret_cast<const char *>(sqlite3_column_text(statement, i)));
        }
        benchmark::DoNotOptimize(cells.size());
        sqlite3_finalize(statement);
        sqlite3_close(db);
    }
}
BENCHMARK(PlainSqliteRead)->Unit(benchmark::kMillisecond)->Repetitions(7);

void OpenSchedule(benchmark::State &state)
{
    for (auto _ : state) {
        frmSchedule window;
        window.show();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(OpenSchedule)->Unit(benchmark::kMillisecond)->Repetitions(7);

void SortScheduleByLake(benchmark::State &state)
{
    frmSchedule window;
    auto *grid = window.findChild<widgets::FlexGrid *>(QStringLiteral("MSFlexGrid1"));
    for (auto _ : state) {
        state.PauseTiming();
        grid->setCol(4);
        grid->sort(widgets::FlexGrid::Sort::GenericDescending);
        state.ResumeTiming();
        window.sortByLake();
    }
}
BENCHMARK(SortScheduleByLake)->Unit(benchmark::kMillisecond)->Repetitions(7);

void SortScheduleByDate(benchmark::State &state)
{
    frmSchedule window;
    for (auto _ : state) {
        state.PauseTiming();
        window.sortByLake();
        state.ResumeTiming();
        benchmark::DoNotOptimize(window.sortByDate());
    }
}
BENCHMARK(SortScheduleByDate)->Unit(benchmark::kMillisecond)->Iterations(20)->Repetitions(7);

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QApplication application(argc, argv);
    QTemporaryDir home;
    installLargeClub(home.path(), 0, 10000);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
