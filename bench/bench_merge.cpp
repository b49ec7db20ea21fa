// Saving a download: 255 records from the meter merged into 100 000 stored
// readings, and the reading file rewritten whole.

#include "meter/ReadingMerge.h"

#include "SampleReadings.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

constexpr int kMeterRecords = 255;

// A full meter whose last few records are already stored: the newest stored
// reading equals meter record 250.
QList<Reading> download(const ReadingTables &stored)
{
    QList<Reading> records;
    for (int k = 1; k <= kMeterRecords; ++k)
        records << Reading{12, 1 + k % 28, k % 24, k % 60, 70 + k, 0, EventMark::C};
    const Reading &newest = stored.reading(stored.count());
    records[249] = Reading{newest.month, newest.day, newest.hour, newest.minute, newest.glucose, 0, EventMark::C};
    return records;
}

void BM_MergeAndRewrite(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.txt"));
    const QDateTime now(QDate(2024, 6, 1), QTime(12, 0));
    const ReadingTables stored = sampleReadingTables();
    const QByteArray storedFile = ReadingFile::format(stored);
    const QList<Reading> records = download(stored);
    for (auto _ : state) {
        state.PauseTiming();
        ReadingStore store;
        QString error, warning;
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(storedFile) != storedFile.size()) {
            state.SkipWithError("cannot write the stored readings");
            return;
        }
        file.close();
        store.load(path, &error, &warning);
        state.ResumeTiming();

        const ReadingMerge::Saved saved = ReadingMerge::SaveNewData(store, false, records, now);
        if (!saved.ok) {
            state.SkipWithError(qPrintable(saved.error));
            return;
        }
        if (store.tables().count() != kSampleReadings + 249) {
            state.SkipWithError("the merge did not drop the stored records");
            return;
        }
    }
    state.SetItemsProcessed(state.iterations() * kMeterRecords);
}
BENCHMARK(BM_MergeAndRewrite)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
