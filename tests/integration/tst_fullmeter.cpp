// A meter holding the most records it can count, downloaded once, and how long
// that takes against the protocol's own pace.

#include "DownloadRig.h"

class tst_FullMeter : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fullMeterAtProtocolPace()
    {
        constexpr int kRecords = RecordList::kMaxRecords;
        constexpr int kRequestMs = 50;
        DownloadRig rig(recentRecords(kRecords), {}, ReadingFile::newFileContent());
        const DownloadRun run = rig.run(90000);

        QVERIFY2(run.finished, qPrintable(run.describe()));
        QCOMPARE(run.labels.last(), QStringLiteral("Complete! Receive ( 255 ) Data from Meter !!"));
        QCOMPARE(rig.readingFile().split('\n'), rig.cleanFile.split('\n'));
        QCOMPARE(std::pair(run.progressMaximum, run.progress.size()), std::pair(2 * kRecords, qsizetype(2 * kRecords)));

        // The pace: link set-up up to the record count, then one request every
        // 50 ms for each half of each record.
        const qint64 linkSetUpMs = run.labelMs.value(run.labels.indexOf(" ( 255 ) Data in Meter !!"), -1);
        const qint64 pace = linkSetUpMs + 2 * kRecords * kRequestMs;
        qInfo("255 records: download took %lld ms; protocol pace %lld ms (link set-up %lld ms + %d requests x %d ms); "
              "%.1f%% over the pace",
              run.elapsedMs, pace, linkSetUpMs, 2 * kRecords, kRequestMs,
              100.0 * double(run.elapsedMs - pace) / double(pace));
        QVERIFY2(run.elapsedMs < pace * 3 / 2, "the download keeps close to the protocol's pace");
    }
};

QTEST_MAIN(tst_FullMeter)
#include "tst_fullmeter.moc"
