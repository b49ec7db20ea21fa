// Whole downloads from the emulated meter through the download window, the real
// driver, its timers and a real serial port: the reading file afterwards, what
// the user is shown. Faults of the line, on a fake line and a real one, are in
// the fault matrix (tst_faultmatrix).

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
};

QTEST_MAIN(DownloadTest)
#include "tst_download.moc"
