// A meter holding the most records it can count, downloaded once at the
// protocol's own pace, and how long that takes against the pace itself.

#include "DownloadRig.h"
#include "DownloadRun.h"

#include <QTest>

class tst_FullMeter : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fullMeterAtProtocolPace();
};

void tst_FullMeter::fullMeterAtProtocolPace()
{
    constexpr int kRecords = RecordList::kMaxRecords;
    constexpr int kRequestMs = 50;
    const QByteArray newUserFile =
        "Test_No,Glucose,Month,Day,Hour,Minute,Event,Glucose_mmol,Year,Date & Time\r\n"
        "T0000,00000,00,00,00,00,0000,00000,0000,000000000000000000\r\n";
    DownloadRig rig(recentRecords(kRecords), {}, newUserFile);
    QVERIFY(rig.meterReady());

    const DownloadRun run = DownloadRun::run(rig, 90000);
    QVERIFY2(run.finished, qPrintable(run.labels.join(u'|') + run.failures.join(u'|')));
    QCOMPARE(run.labels.last(), QStringLiteral("Complete! Receive ( 255 ) Data from Meter !!"));
    const QByteArray file = rig.readingFile();
    QCOMPARE(file.split('\n'), rig.cleanFile().split('\n'));
    QCOMPARE(file.count("\r\n"), 1 + kRecords);
    QVERIFY(file.contains("\r\nT0255,"));
    QCOMPARE(run.progressMaximum, 2 * kRecords);
    QCOMPARE(run.progress.size(), 2 * kRecords);

    // The pace: link set-up, then one request every 50 ms for each half of each record.
    const qint64 pace = run.linkSetUpMs + 2 * kRecords * kRequestMs;
    qInfo("255 records: download took %lld ms; protocol pace %lld ms (link set-up %lld ms + %d requests x %d ms); "
          "%.1f%% over the pace",
          run.elapsedMs, pace, run.linkSetUpMs, 2 * kRecords, kRequestMs,
          100.0 * double(run.elapsedMs - pace) / double(pace));
    QVERIFY2(run.elapsedMs < pace * 3 / 2, "the download keeps close to the protocol's pace");
}

QTEST_GUILESS_MAIN(tst_FullMeter)
#include "tst_fullmeter.moc"
