// The program's download without windows, and its search for the meter, run
// as its own process against the emulated meter in this one.

#include "DownloadRig.h"

#include "platform/DownloadLogFile.h"

#include <QProcess>

namespace {

struct Ran
{
    int exitCode = -1;
    QString out, err;
};

// The program in folder with DEXTREL_COM1 unset; the meter answers from this
// process's event loop, so the wait does not block it.
Ran runProgram(const QStringList &arguments, const QString &folder)
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DEXTREL_COM1");
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(folder);
    program.start(DEXTREL_EXECUTABLE, arguments);
    if (!program.waitForStarted() || !QTest::qWaitFor([&] { return program.state() == QProcess::NotRunning; }, 30000))
        return {};
    return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
            QString::fromLocal8Bit(program.readAllStandardOutput()),
            QString::fromLocal8Bit(program.readAllStandardError())};
}

} // namespace

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
        QTest::newRow("no such device") << FaultOptions{} << "/nonexistent/ttyUSB9" << QStringList{}
                                        << "RS232 Setting Error ! (/nonexistent/ttyUSB9)\n/nonexistent/ttyUSB9 is not there. ";
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

    // Find Meter tries a missing device, a file and the meter, one at a time,
    // and asks the meter nothing but to wake, the link test and to sleep.
    void findMeter_data()
    {
        QTest::addColumn<QStringList>("devices");  // "<meter>": the emulated meter's
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("said");         // "<folder>": where the program runs
        QTest::newRow("found") << QStringList{"/dev/ttyUSB97", "some-plain-file", "<meter>"} << 0
                               << "Trying /dev/ttyUSB97...\n/dev/ttyUSB97: cannot be opened: No such file or directory.\n"
                                  "Trying <folder>/some-plain-file...\n<folder>/some-plain-file: cannot be opened: not a "
                                  "serial port.\nTrying <meter>...\nMeter found on <meter>\n";
        QTest::newRow("not found") << QStringList{"/dev/ttyUSB97"} << 1
                                   << "Trying /dev/ttyUSB97...\n/dev/ttyUSB97: cannot be opened: No such file or "
                                      "directory.\nNo meter found on /dev/ttyUSB97.\n";
    }
    void findMeter()
    {
        QFETCH(QStringList, devices);
        QFETCH(int, exitCode);
        QFETCH(QString, said);
        DownloadRig rig(recentRecords(3), {});
        rig.data.write("some-plain-file", "not a serial port");
        const QString meter = qEnvironmentVariable("DEXTREL_COM1");
        devices.replaceInStrings("<meter>", meter);
        const Ran ran = runProgram(QStringList{"--find-meter"} + devices, rig.data.path());
        QCOMPARE(std::tuple(ran.exitCode, ran.out + ran.err),
                 std::tuple(exitCode, said.replace("<meter>", meter).replace("<folder>", rig.data.path())));
        QCOMPARE(rig.readingFile(), kEarlierFile);
        // Each wake-up and link test is asked until answered; then one sleep command.
        const QByteArray sleep = QByteArray::fromHex("B5A5A9");
        QByteArray sent = rig.bytesSent();
        const qsizetype sleeps = sent.count(sleep);
        sent.replace(sleep, QByteArray()).removeIf([](char c) { return c == 0x55 || c == 0; });
        QCOMPARE(std::tuple(sleeps, sent), std::tuple(qsizetype(devices.contains(meter) ? 1 : 0), QByteArray()));
        QCOMPARE(runProgram({"--list-ports"}, rig.data.path()).exitCode, 0);
    }

    // Through the windows alone, port 1 is pointed at the meter's device; the
    // next download uses it and the next start shows it. The user list is not touched.
    void deviceChosenInTheWindows()
    {
        DownloadRig rig(recentRecords(3), {});
        const QByteArray registry = "ID,Passwd,RS-232port,Unit,Time,Max,Min,Maxp,Minp\r\n"
                                    "alice*,wonder*,1,1,1,180,70,180,70\r\n";
        rig.data.write("DXRegister.txt", registry);
        const QString meter = qEnvironmentVariable("DEXTREL_COM1");
        const QStringList alice{"--data-dir", rig.state.dataDir, "--user", "alice", "--password", "wonder"};
        const Ran chosen = runProgram(alice + QStringList{"--page", "settings", "--set", "ComboDevice=" + meter,
                                                          "--dump", rig.data.file("chosen.json")},
                                      rig.data.path());
        const Ran downloaded = runProgram(alice + QStringList{"--download"}, rig.data.path());
        const Ran shown = runProgram(alice + QStringList{"--page", "settings", "--dump", rig.data.file("shown.json")},
                                     rig.data.path());
        QCOMPARE((QList<int>{chosen.exitCode, downloaded.exitCode, shown.exitCode}), (QList<int>{0, 0, 0}));
        QCOMPARE(rig.readingFile(), rig.cleanFile);
        QVERIFY2(rig.data.read("shown.json").contains("\"text\": \"" + meter.toUtf8() + "\""),
                 rig.data.read("shown.json").constData());
        QCOMPARE(rig.data.read("DXRegister.txt"), registry);
        const QStringList logs = DownloadLogFile::logsOf(rig.state.dataDir, "alice");
        QFile log(logs.value(0));
        QVERIFY(log.open(QIODevice::ReadOnly));
        QVERIFY(log.readAll().contains(" -- Serial device " + meter.toUtf8() + " for port 1, from the settings file"));
    }
};

QTEST_GUILESS_MAIN(CommandLineDownloadTest)
#include "tst_commandlinedownload.moc"
