// Saving a download: 255 records from the meter merged into 100 000 stored
// readings, and the reading file rewritten whole.

#include "meter/ReadingMerge.h"

#include "SampleReadings.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

namespace {

constexpr int kMeterRecords = 255;

ReadingTables storedTables()
{
    ReadingTables tables = sampleReadingTables();
    tables.downloads() = tables.readings();
    return tables;
}

// A full meter whose last few records are already stored: the newest stored
// reading equals meter record 250.
void receiveDownload(ReadingTables &tables)
{
    for (int k = 1; k <= kMeterRecords; ++k) {
        Reading &r = tables.downloadAt(k);
        r.glucose = 70 + k;
        r.month = 12;
        r.day = 1 + k % 28;
        r.hour = k % 24;
        r.minute = k % 60;
        r.event = QStringLiteral("0");
    }
    const Reading &newest = tables.reading(tables.count());
    Reading &match = tables.downloadAt(250);
    match.glucose = newest.glucose;
    match.month = newest.month;
    match.day = newest.day;
    match.hour = newest.hour;
    match.minute = newest.minute;
}

void BM_MergeAndRewrite(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.txt"));
    const QDateTime now(QDate(2024, 6, 1), QTime(12, 0));
    const ReadingTables stored = storedTables();
    for (auto _ : state) {
        state.PauseTiming();
        ReadingTables tables = stored;
        receiveDownload(tables);
        state.ResumeTiming();

        QString error;
        if (!ReadingMerge::SaveNewData(tables, QStringLiteral("bench"), kMeterRecords, now, path, &error)) {
            state.SkipWithError(qPrintable(error));
            return;
        }
        if (tables.count() != kSampleReadings + 249) {
            state.SkipWithError("the merge did not drop the stored records");
            return;
        }
    }
    state.SetItemsProcessed(state.iterations() * kMeterRecords);
}
BENCHMARK(BM_MergeAndRewrite)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
