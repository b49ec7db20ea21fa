// The program's download without windows, run as its own process against the
// emulated meter in this one.

#include "DownloadRig.h"

#include "platform/DownloadLogFile.h"

#include <QProcess>

class CommandLineDownloadTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void download_data()
    {
        QTest::addColumn<FaultOptions>("faults");
        QTest::addColumn<QString>("device");   // empty: the emulated meter
        QTest::addColumn<QStringList>("out");  // lines printed, in this order
        QTest::addColumn<QString>("err");      // empty: a successful download
        const QStringList answered{"Meter Wake Up...Please Wait!", "On Line...", " ( 3 ) Data in Meter !!",
                                   "Progress 1/6", "Progress 6/6", "Complete! Receive ( 3 ) Data from Meter !!"};
        QTest::newRow("meter answers") << FaultOptions{} << "" << answered << "";
        QTest::newRow("line gone") << FaultOptions{.hangupAfter = 4} << "" << QStringList{"Progress 4/6"}
                                   << "The connection to the meter was lost";
        QTest::newRow("no such device") << FaultOptions{} << "/nonexistent/ttyUSB9" << QStringList{} << "RS232 Setting Error ! (/nonexistent/ttyUSB9)\n/nonexistent/ttyUSB9: No such file or directory.\n";
    }
    void download()
    {
        QFETCH(FaultOptions, faults);
        QFETCH(QString, device);
        QFETCH(QString, err);
        DownloadRig rig(recentRecords(3), faults);
        rig.data.write("DXRegister.txt", "ID,Passwd,RS-232port,Unit,Time,Max,Min,Maxp,Minp\r\n"
                                         "alice*,wonder*,1,1,1,180,70,180,70\r\n");
        if (!device.isEmpty())
            qputenv("DEXTREL_COM1", device.toLocal8Bit());
        QProcess program;
        program.start(DEXTREL_EXECUTABLE,
                      {"--data-dir", rig.state.dataDir, "--user", "alice", "--password", "wonder", "--download"});
        QVERIFY(program.waitForStarted());
        // The meter answers from this process's event loop, so wait without blocking it.
        QTRY_COMPARE_WITH_TIMEOUT(program.state(), QProcess::NotRunning, 20000);

        const QString printed = QString::fromLocal8Bit(program.readAllStandardOutput());
        const QString errors = QString::fromLocal8Bit(program.readAllStandardError());
        QVERIFY2(program.exitStatus() == QProcess::NormalExit && (program.exitCode() == 0) == err.isEmpty()
                     && errors.contains(err), qPrintable(errors));
        QFETCH(QStringList, out);
        QVERIFY2(inOrder(printed.split(u'\n'), out), qPrintable(printed));
        QCOMPARE(rig.readingFile(), err.isEmpty() ? rig.cleanFile : kEarlierFile);

        // A download that ran names its log when it fails; no log holds the password.
        const QStringList logs = DownloadLogFile::logsOf(rig.state.dataDir, "alice");
        QCOMPARE(logs.size(), device.isEmpty() ? 1 : 0);
        QCOMPARE(errors.contains("Download log: " + logs.value(0) + '\n'), !logs.isEmpty() && !err.isEmpty());
        for (const QString &log : logs)
            QVERIFY(!rig.data.read(log).contains("wonder"));
    }
};

QTEST_GUILESS_MAIN(CommandLineDownloadTest)
#include "tst_commandlinedownload.moc"
