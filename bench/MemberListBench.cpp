// Filling the main window's member list from a club of 10,000 members.
#include "ClubDatabase.h"
#include "LargeClub.h"
#include "widgets/DBList.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void FillMemberList(benchmark::State &state)
{
    QWidget window;
    auto *list = new widgets::DBList(&window);
    for (auto _ : state) {
        data::RecordSource source(clubdata::clubDatabasePath(), QStringLiteral("Members"), nullptr);
        list->setRowSource(&source, QStringLiteral("Name"));
        benchmark::DoNotOptimize(list->count());
    }
    state.counters["names"] = list->count();
}
BENCHMARK(FillMemberList)->Unit(benchmark::kMillisecond)->Repetitions(7);

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir home;
    installLargeClub(home.path());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
