// Reading and writing the navigation bar's saved content, the stream the main window loads.
#include <pathwell/bagstream.h>

#include <QBuffer>
#include <QFile>

#include <benchmark/benchmark.h>

using namespace PathwellControls;

static void ReadAndWriteNavigationStream(benchmark::State &state) {
    QFile file(QStringLiteral(NAVIGATION_BAR_STREAM));
    if (!file.open(QIODevice::ReadOnly)) {
        state.SkipWithError("the navigation bar stream cannot be read");
        return;
    }
    QByteArray stream = file.readAll();
    for (auto _ : state) {
        QBuffer input(&stream);
        input.open(QIODevice::ReadOnly);
        const PropertyBag bag = BagStream::read(input);
        QByteArray written;
        QBuffer output(&written);
        output.open(QIODevice::WriteOnly);
        BagStream::write(bag, output);
        benchmark::DoNotOptimize(written.data());
    }
}
BENCHMARK(ReadAndWriteNavigationStream)->Unit(benchmark::kMicrosecond)->Repetitions(10);

BENCHMARK_MAIN();
