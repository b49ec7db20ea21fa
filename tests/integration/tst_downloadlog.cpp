// The log a download leaves for whoever helps when it goes wrong: a line that
// hangs up mid-download shows its last bytes and the step it stopped in.

#include "DownloadRig.h"

#include "platform/DownloadLogFile.h"

class DownloadLogTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void hangUpLeavesLog()
    {
        DownloadRig rig(recentRecords(3), {.hangupAfter = 4});
        const DownloadRun run = rig.run(15000);
        QVERIFY2(!run.finished && run.failures.size() == 1 && run.saveLogOffered, qPrintable(run.describe()));

        const QStringList logs = DownloadLogFile::logsOf(rig.state.dataDir, "alice");
        QCOMPARE(logs.size(), 1);
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
        const QString device = "-- Serial device " + qEnvironmentVariable("DEXTREL_COM1") + " for port 1, from DEXTREL_COM1";
        QVERIFY2(inOrder(events, {device, "TX 00", "RX 00", "-- Meter Wake Up...Please Wait!", "-- On Line...",
                                  "-- First halves of the records", "TX AC 01 A9", "-- Failed: " + run.failures.first(),
                                  "-- Stopped"}),
                 qPrintable(events.join(u'\n')));

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
        QCOMPARE(lastPass, lastRequest.startsWith("AD") ? "-- Second halves of the records" : "-- First halves of the records");
    }
};

QTEST_MAIN(DownloadLogTest)
#include "tst_downloadlog.moc"
