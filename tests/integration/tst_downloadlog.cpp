// What only a real line shows: the download window with its serial port and
// timers on the emulated meter's pseudo-terminal, an answer split over two
// reads, a meter slower than the timers' pace, the port failing under the
// download, and the log a failed download leaves for whoever helps: its last
// bytes and the step it stopped in.

#include "DownloadRig.h"

#include "platform/DownloadLogFile.h"

class DownloadLogTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void onTheLine_data()
    {
        QTest::addColumn<FaultOptions>("faults");
        QTest::addColumn<int>("stored");  // the meter's oldest records the file holds already
        QTest::addColumn<QString>("report");  // %1 stands for the port; empty: the right file
        QTest::addColumn<QStringList>("logged");  // events of the log, in this order
        QTest::newRow("80 ms an answer, one split, records 2 and 3 stored")
            << FaultOptions{.split = true, .delayMs = 80} << 2 << "" << QStringList();
        const QString lost = "The connection to the meter was lost (%1). The download was abandoned and nothing was saved.";
        // The meter closing the line, and the port gone before any answer came.
        QTest::newRow("hang-up in the second pass")
            << FaultOptions{.hangupAfter = 4} << 0 << lost.arg("%1 is gone: unplugged, or closed at the other end")
            << QStringList{"TX 00", "RX 00", "-- Meter Wake Up...Please Wait!", "-- On Line...",
                           "-- First halves of the records", "TX AC 01 A9", "-- Failed: %2", "-- Stopped"};
        QTest::newRow("port vanishing") << FaultOptions{.portVanishes = true} << 0 << lost.arg("%1 could not be read")
                                        << QStringList{"TX 00", "-- Failed: %2", "-- Stopped"};
    }
    void onTheLine()
    {
        QFETCH(FaultOptions, faults);
        QFETCH(int, stored);
        QFETCH(QString, report);
        QFETCH(QStringList, logged);
        const QList<MeterRecord> records = recentRecords(3);
        QByteArray previous = kEarlierFile;
        if (stored) {
            ReadingTables tables;
            for (int k = 3; k > 3 - stored; --k)
                tables.readingAt(tables.count() + 1) = asStored(records.at(k - 1));
            previous = ReadingFile::format(tables);
        }
        DownloadRig rig(records, faults, previous, 3 - stored);
        const DownloadRun run = rig.run(15000);
        const QStringList logs = DownloadLogFile::logsOf(rig.state.dataDir, "alice");
        if (report.isEmpty()) {
            QVERIFY2(run.finished && inOrder(run.labels, {"Meter Wake Up...Please Wait!", "Linking...", "On Line...",
                                                          " ( 3 ) Data in Meter !!",
                                                          "Complete! Receive ( 3 ) Data from Meter !!"}),
                     qPrintable(run.describe()));
            // The readings are in memory for the reports too; an open export window follows them.
            const QDate newest(records.at(0).year, records.at(0).month, records.at(0).day);
            QCOMPARE(std::tuple(rig.readingFile(), ReadingFile::format(rig.state.store.tables()), run.progress,
                                run.progressMaximum, run.listLine, run.messages, run.exportPeriod.to),
                     std::tuple(rig.cleanFile, rig.cleanFile, QList<int>{1, 2, 3, 4, 5, 6}, 6,
                                QString("Read [3] data from Meter !!"), QStringList(), newest));
            return;
        }
        report = report.arg(QString::fromLocal8Bit(qgetenv("DEXTREL_COM1")));
        QCOMPARE(std::tuple(run.finished, run.failures, run.messages, rig.readingFile(), run.saveLogOffered, logs.size()),
                 std::tuple(false, QStringList{report}, QStringList{"Qel: " + report}, previous, true, qsizetype(1)));

        QFile file(logs.first());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.mid(0, 2), (QStringList{"Dextrel Management Software " DEXTREL_VERSION, "User: alice"}));
        // Each line after the header: a millisecond time, then what happened.
        QStringList events;
        const QRegularExpression timed("^\\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d (.*)$");
        for (const QString &line : lines.mid(4)) {
            const QRegularExpressionMatch m = timed.match(line);
            QVERIFY2(m.hasMatch(), qPrintable(line));
            events << m.captured(1);
        }
        logged.replaceInStrings("%2", report);
        logged.prepend("-- Serial device " + qEnvironmentVariable("DEXTREL_COM1") + " for port 1, from DEXTREL_COM1");
        QVERIFY2(inOrder(events, logged), qPrintable(events.join(u'\n')));

        // The last request in the log is the last one the meter got, under the
        // pass that asked it (how far the download came depends on repeats).
        QString lastRequest, lastPass;
        for (const QString &e : events) {
            if (e.startsWith("TX "))
                lastRequest = e.mid(3);
            else if (e.endsWith(" halves of the records"))
                lastPass = e;
        }
        QVERIFY2(rig.bytesSent().endsWith(QByteArray::fromHex(lastRequest.toLatin1())), qPrintable(lastRequest));
        if (!lastPass.isEmpty())
            QCOMPARE(lastPass, lastRequest.startsWith("AD") ? "-- Second halves of the records" : "-- First halves of the records");
    }
};

QTEST_MAIN(DownloadLogTest)
#include "tst_downloadlog.moc"
