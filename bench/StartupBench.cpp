// Start-up of the program until its main window is shown, against a bare Qt
// program showing one empty window. Each run starts a fresh process, so that
// loading the libraries and Qt's own start are counted on both sides.
#include "LargeClub.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

extern char **environ;

namespace {

void runProgram(benchmark::State &state, const char *program)
{
    for (auto _ : state) {
        char *argv[] = {const_cast<char *>(program), nullptr};
        pid_t child = 0;
        int status = 0;
        if (posix_spawn(&child, program, nullptr, nullptr, argv, environ) != 0 ||
            waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
            WEXITSTATUS(status) != 0) {
            state.SkipWithError("the window was not shown");
            break;
        }
    }
}

void CreelbookStartup(benchmark::State &state, const QString &home)
{
    qputenv("CREELBOOK_HOME", home.toUtf8());
    runProgram(state, CREELBOOK_SHOWN);
}

} // namespace

int main(int argc, char *argv[])
{
    // Offscreen unless a display platform is named, e.g. xcb under xvfb-run.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir installed;
    QTemporaryDir large;
    installLargeClub(large.path());

    for (auto *registered :
         {benchmark::RegisterBenchmark("BareQtWindow", runProgram, BARE_WINDOW),
          benchmark::RegisterBenchmark("CreelbookStartup/installed", CreelbookStartup,
                                       installed.path()),
          benchmark::RegisterBenchmark("CreelbookStartup/10000_members", CreelbookStartup,
                                       large.path())})
        registered->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(7);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
