// Saving a download: 255 records from the meter merged into 100 000 stored
// readings, and the reading file rewritten whole.

#include "meter/ReadingMerge.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

namespace {

constexpr int kReadings = 100000;
constexpr int kMeterRecords = 255;

ReadingTables storedTables()
{
    ReadingTables tables;
    QList<Reading> &readings = tables.readings();
    readings.reserve(kReadings);
    for (int i = 0; i < kReadings; ++i) {
        Reading r;
        r.glucose = 40 + (i * 37) % 560;
        r.month = i % 12 + 1;
        r.day = i % 28 + 1;
        r.hour = (i * 7) % 24;
        r.minute = (i * 13) % 60;
        r.year = 2000 + i / 5000;
        r.event = i % 5 == 0 ? QStringLiteral("PC") : QStringLiteral("C");
        readings.append(r);
    }
    tables.downloads() = readings;
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
        if (tables.count() != kReadings + 249) {
            state.SkipWithError("the merge did not drop the stored records");
            return;
        }
    }
    state.SetItemsProcessed(state.iterations() * kMeterRecords);
}
BENCHMARK(BM_MergeAndRewrite)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
