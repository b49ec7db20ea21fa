// Whole downloads from the emulated meter through the download window, the real
// driver, its timers and a real serial port: the reading file afterwards, what
// the user is shown, and how line faults end.

#include "DownloadRig.h"

class tst_Download : public QObject
{
    Q_OBJECT
    static constexpr int kLimitMs = 15000;

private Q_SLOTS:
    void cleanDownload_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("countLabel");
        QTest::addColumn<QList<int>>("progress");
        QTest::addColumn<QString>("requests");  // in the order they first go out

        QTest::newRow("empty meter") << 0 << "There is no new data in meter !!" << QList<int>{}
                                     << "00 55 BAA5A9 AEA5A9 B5A5A9";
        QTest::newRow("three records") << 3 << " ( 3 ) Data in Meter !!" << QList<int>{1, 2, 3, 4, 5, 6}
                                       << "00 55 BAA5A9 AEA5A9 AC01A9 AC02A9 AC03A9 AD01A9 AD02A9 AD03A9 B5A5A9";
    }
    void cleanDownload()
    {
        QFETCH(int, count);
        QFETCH(QString, countLabel);
        QFETCH(QList<int>, progress);
        QList<MeterRecord> records = recentRecords(count);
        if (count)
            std::tie(records[0].glucose, records[0].event) = std::tuple(300, true);
        DownloadRig rig(records, {});
        const DownloadRun run = rig.run(kLimitMs);

        QVERIFY2(run.finished, qPrintable(run.describe()));
        const QByteArrayList lines = rig.readingFile().split('\n');
        QCOMPARE(lines, rig.cleanFile.split('\n'));
        QCOMPARE(lines.first() + '\n', kReadingHeader);
        QCOMPARE(lines.at(count + 2),
                 QString::asprintf("T%04d,00142,11,19,21,40,PC,07.9,2001,2001/11/19 - 21:40\r", count + 2).toLatin1());
        if (count) {
            const MeterRecord &r = records.first();
            const QDateTime at(QDate(r.year, r.month, r.day), QTime(r.hour, r.minute));
            QCOMPARE(lines.at(1), "T0001,00300," + at.toString("MM,dd,HH,mm,'PC,16.7',yyyy,yyyy/MM/dd - HH:mm\r").toLatin1());
            QCOMPARE(run.progressMaximum, 2 * count);
        }
        QVERIFY2(inOrder(run.labels, {"Meter Wake Up...Please Wait!", "Linking...", "On Line...", countLabel,
                                      QStringLiteral("Complete! Receive ( %1 ) Data from Meter !!").arg(count)}),
                 qPrintable(run.describe()));
        // The readings are in memory for the reports too.
        QCOMPARE(std::tuple(run.progress, run.listLine, run.messages, rig.state.tables.count()),
                 std::tuple(progress, QString("Read [%1] data from Meter !!").arg(count), QStringList(), count + 2));

        // Link, count, every first half, every second half, sleep; nothing past the last record.
        const QByteArray sent = rig.bytesSent();
        QFETCH(QString, requests);
        qsizetype previous = -1;
        for (const QString &hex : requests.split(u' ')) {
            const qsizetype first = sent.indexOf(QByteArray::fromHex(hex.toLatin1()));
            QVERIFY2(first > previous, qPrintable(hex + " in " + sent.toHex(' ')));
            previous = first;
        }
        QCOMPARE(sent.indexOf(QByteArray::fromHex(QString::asprintf("AC%02XA9", count + 1).toLatin1())), -1);
        QVERIFY2(sent.lastIndexOf(QByteArray::fromHex("AC03A9")) <= sent.indexOf(QByteArray::fromHex("AD01A9")),
                 "a first half in the second pass");
    }

    void faultEndsCleanOrReported_data()
    {
        QTest::addColumn<FaultOptions>("faults");
        QTest::addColumn<int>("busyMs");
        // How the failure report starts when the fault must end in one; empty
        // when a clean download will do too.
        QTest::addColumn<QString>("report");

        const QString lost = "The connection to the meter was lost (";
        QTest::newRow("meter never wakes") << FaultOptions{.noWakeup = true} << 0 << "Meter Wake Up...Failed";
        QTest::newRow("first answer to each request lost") << FaultOptions{.dropFirst = true} << 0 << "";
        QTest::newRow("last answer of each pass lost") << FaultOptions{.dropLast = true} << 0 << "";
        QTest::newRow("answer split over two reads") << FaultOptions{.split = true} << 0 << "";
        // Record 2 is then 95 mg/dL in December: its first half is 5F C0 AA.
        QTest::newRow("two answers in one read") << FaultOptions{.doubleAnswer = true} << 0
                                                 << "Data Receiving Error! Got 6 byte--it's [5F][C0][AA][5F][C0][AA]";
        QTest::newRow("answer late, after a repeat") << FaultOptions{.lateAnswer = true} << 0 << "";
        QTest::newRow("stray bytes between answers") << FaultOptions{.noise = true} << 0 << "";
        QTest::newRow("line gone in the first pass") << FaultOptions{.hangupAfter = 2} << 0 << lost;
        QTest::newRow("line gone in the second pass") << FaultOptions{.hangupAfter = 4} << 0 << lost;
        // Late timers repeat a request before its answer is read: the second
        // answer must not be taken for the next record.
        QTest::newRow("program busy 25 ms now and then") << FaultOptions{} << 25 << "";
        QTest::newRow("program busy 60 ms now and then") << FaultOptions{} << 60 << "";
    }
    void faultEndsCleanOrReported()
    {
        QFETCH(FaultOptions, faults);
        QFETCH(int, busyMs);
        QFETCH(QString, report);
        QList<MeterRecord> records = recentRecords(busyMs > 0 ? 8 : 3);
        if (faults.doubleAnswer)
            records[1] = {95, 12, 1, 23, 59, false, 0};
        DownloadRig rig(records, faults);
        const DownloadRun run = rig.run(kLimitMs, busyMs);

        const QByteArray file = rig.readingFile();
        const bool clean = file == rig.cleanFile && run.finished && run.failures.isEmpty() && run.messages.isEmpty();
        const bool reported = file == kEarlierFile && !run.finished && run.failures.size() == 1;
        QVERIFY2(clean != reported, qPrintable(run.describe() + "\n" + file));
        QVERIFY2(report.isEmpty() || (reported && run.failures.first().startsWith(report)), qPrintable(run.describe()));
        if (faults.noWakeup)
            QCOMPARE(run.labels.last(), report);
        if (faults.doubleAnswer) {
            QCOMPARE(run.messages, QStringList{"Qel: " + report});
            QCOMPARE(run.progress.last(), 0);
        }
    }
};

QTEST_MAIN(tst_Download)
#include "tst_download.moc"
