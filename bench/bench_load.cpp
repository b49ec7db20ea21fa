// Loading and rewriting a reading file of 100 000 readings.
//
//   bench_load [benchmark options]     runs the benchmarks
//   bench_load --write-file=PATH       only writes the file they use, so that
//                                      python_csv_load.py can read the same bytes

#include "store/ReadingStore.h"

#include "SampleReadings.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include <cstdio>
#include <cstring>

namespace {

bool writeSample(const QString &path)
{
    ReadingTables tables = sampleReadingTables();
    QString error;
    if (!ReadingFile::CreateAfile(path, tables, QDateTime::currentDateTime(), &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return false;
    }
    return true;
}

void BM_LoadReadingFile(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.txt"));
    if (!writeSample(path)) {
        state.SkipWithError("cannot write the sample file");
        return;
    }
    for (auto _ : state) {
        // As a login loads it: the reading table and the data list's lines.
        ReadingStore store;
        QString error, warning;
        if (!store.load(path, &error, &warning) || store.tables().count() != kSampleReadings) {
            state.SkipWithError("the sample file did not load whole");
            return;
        }
        benchmark::DoNotOptimize(store);
    }
    state.SetItemsProcessed(state.iterations() * kSampleReadings);
}
BENCHMARK(BM_LoadReadingFile)->Unit(benchmark::kMillisecond);

void BM_FormatAndWriteReadingFile(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.txt"));
    ReadingTables tables = sampleReadingTables();
    for (auto _ : state) {
        QString error;
        if (!ReadingFile::CreateAfile(path, tables, QDateTime::currentDateTime(), &error)) {
            state.SkipWithError(qPrintable(error));
            return;
        }
    }
    state.SetItemsProcessed(state.iterations() * kSampleReadings);
}
BENCHMARK(BM_FormatAndWriteReadingFile)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    constexpr char kWriteFile[] = "--write-file=";
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], kWriteFile, sizeof kWriteFile - 1) == 0)
            return writeSample(QString::fromLocal8Bit(argv[i] + sizeof kWriteFile - 1)) ? 0 : 1;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
