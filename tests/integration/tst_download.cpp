// Whole downloads from the emulated meter through the download window, the real
// driver, its timers and a real serial port: the reading file afterwards, what
// the user is shown, and how faults of a real line end. The session's handling
// of slow, lossy and noisy meters is tested on a fake line (tst_meter_session).

#include "DownloadRig.h"

class DownloadTest : public QObject
{
    Q_OBJECT
    static constexpr int kLimitMs = 15000;

private Q_SLOTS:
    void wholeDownload()
    {
        QList<MeterRecord> records = recentRecords(3);
        std::tie(records[0].glucose, records[0].event) = std::tuple(300, true);
        // The first answer for record 2 comes over two reads, as a real line may
        // deliver it: it is not taken, and asked for again.
        DownloadRig rig(records, {.split = true});
        const DownloadRun run = rig.run(kLimitMs);

        QVERIFY2(run.finished, qPrintable(run.describe()));
        const QByteArrayList lines = rig.readingFile().split('\n');
        QCOMPARE(lines, rig.cleanFile.split('\n'));
        QCOMPARE(lines.first() + '\n', kReadingHeader);
        QCOMPARE(lines.at(5), QByteArray("T0005,00142,11,19,21,40,PC,07.9,2001,2001/11/19 - 21:40\r"));
        const MeterRecord &r = records.first();
        const QDateTime at(QDate(r.year, r.month, r.day), QTime(r.hour, r.minute));
        QCOMPARE(lines.at(1), "T0001,00300," + at.toString("MM,dd,HH,mm,'PC,16.7',yyyy,yyyy/MM/dd - HH:mm\r").toLatin1());
        QVERIFY2(inOrder(run.labels, {"Meter Wake Up...Please Wait!", "Linking...", "On Line...", " ( 3 ) Data in Meter !!",
                                      "Complete! Receive ( 3 ) Data from Meter !!"}),
                 qPrintable(run.describe()));
        // The readings are in memory for the reports too.
        QCOMPARE(std::tuple(run.progress, run.progressMaximum, run.listLine, run.messages, rig.state.tables.count()),
                 std::tuple(QList<int>{1, 2, 3, 4, 5, 6}, 6, QString("Read [3] data from Meter !!"), QStringList(), 5));

        // Link, count, every first half, every second half, sleep; nothing past the last record.
        const QByteArray sent = rig.bytesSent();
        qsizetype previous = -1;
        for (const QByteArray &hex : QByteArray("00 55 BAA5A9 AEA5A9 AC01A9 AC02A9 AC03A9 AD01A9 AD02A9 AD03A9 B5A5A9").split(' ')) {
            const qsizetype first = sent.indexOf(QByteArray::fromHex(hex));
            QVERIFY2(first > previous, (hex + " in " + sent.toHex(' ')).constData());
            previous = first;
        }
        QCOMPARE(sent.indexOf(QByteArray::fromHex("AC04A9")), -1);
        QVERIFY2(sent.lastIndexOf(QByteArray::fromHex("AC03A9")) <= sent.indexOf(QByteArray::fromHex("AD01A9")),
                 "a first half in the second pass");
    }

    void lineFault_data()
    {
        QTest::addColumn<FaultOptions>("faults");
        // The meter's oldest records the previous file holds already, its
        // first line being the newest of them; 0: none.
        QTest::addColumn<int>("stored");
        // How the failure report starts; empty when the file must equal a clean download's.
        QTest::addColumn<QString>("report");
        QTest::newRow("80 ms an answer, the file holding records 2 and 3")
            << FaultOptions{.delayMs = 80} << 2 << "";
        QTest::newRow("line gone in the second pass") << FaultOptions{.hangupAfter = 4} << 0
                                                      << "The connection to the meter was lost (";
    }
    void lineFault()
    {
        QFETCH(FaultOptions, faults);
        QFETCH(int, stored);
        QFETCH(QString, report);
        const QList<MeterRecord> records = recentRecords(3);
        QByteArray previous = kEarlierFile;
        if (stored) {
            ReadingTables tables;
            for (int k = 3; k > 3 - stored; --k)
                tables.readingAt(tables.count() + 1) = asStored(records.at(k - 1));
            previous = ReadingFile::format(tables);
        }
        DownloadRig rig(records, faults, previous, 3 - stored);
        const DownloadRun run = rig.run(kLimitMs);
        if (report.isEmpty()) {
            QVERIFY2(run.finished && run.failures.isEmpty() && run.messages.isEmpty(), qPrintable(run.describe()));
            QCOMPARE(rig.readingFile().split('\n'), rig.cleanFile.split('\n'));
        } else {
            QVERIFY2(!run.finished && run.failures.size() == 1 && run.failures.first().startsWith(report),
                     qPrintable(run.describe()));
            QCOMPARE(run.messages, QStringList{"Qel: " + run.failures.first()});
            QCOMPARE(rig.readingFile(), previous);
        }
    }
};

QTEST_MAIN(DownloadTest)
#include "tst_download.moc"
