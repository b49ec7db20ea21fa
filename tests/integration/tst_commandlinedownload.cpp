// The program's download without windows, and its search for the meter, run
// as its own process against the emulated meter in this one.

#include "DownloadRig.h"

#include "common/ProgramRun.h"
#include "platform/DownloadLogFile.h"
#include "platform/LocalBytes.h"
#include "platform/TextFiles.h"

#include <QProcess>

namespace {

struct Ran
{
    int exitCode = -1;
    QString out, err;
};

// The program in folder; the meter answers from this process's event loop, so
// the wait does not block it. Standard error is read as the bytes of a text
// of the local encoding, with any other bytes held (see LocalBytes). A user
// given as bytes logs in.
Ran runProgram(const QStringList &arguments, const QString &folder, const QByteArray &user = {})
{
    QProcess program;
    program.setWorkingDirectory(folder);
    program.start("/bin/sh", withUserBytes(DEXTREL_EXECUTABLE, user, arguments));
    if (!program.waitForStarted() || !QTest::qWaitFor([&] { return program.state() == QProcess::NotRunning; }, 30000))
        return {};
    return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
            QString::fromLocal8Bit(program.readAllStandardOutput()),
            LocalBytes::decode(program.readAllStandardError())};
}

// A user of another encoding: "caf\xe9", whose ID a command line can only give as bytes.
const QByteArray kLatin1 = "caf\xe9";

const QByteArray kRegistry = "ID,Passwd,RS-232port,Unit,Time,Max,Min,Maxp,Minp\r\nalice*,wonder*,1,1,1,180,70,180,"
                             "70\r\ncaf\xe9*,wonder*,1,1,1,180,70,180,70\r\n";

QStringList aliceLogin(const DownloadRig &rig)
{
    return {"--data-dir", rig.state.dataDir, "--user", "alice", "--password", "wonder"};
}

} // namespace

class CommandLineDownloadTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // A download that cannot finish: its exit status, its message, the log it names.
    void failedDownload_data()
    {
        QTest::addColumn<FaultOptions>("faults");
        QTest::addColumn<QString>("device"); // empty: the emulated meter, <meter> in err
        QTest::addColumn<QByteArray>("user");
        QTest::addColumn<QString>("err");
        const QString lost = "The connection to the meter was lost (<meter> could not be read). The download "
                             "was abandoned and nothing was saved.\n";
        QTest::newRow("line gone") << FaultOptions{.portVanishes = true} << "" << QByteArray("alice") << lost;
        // Its log is named by the ID's bytes, and so is the path printed.
        QTest::newRow("line gone, a user of another encoding")
            << FaultOptions{.portVanishes = true} << "" << kLatin1 << lost;
        QTest::newRow("no such device") << FaultOptions{} << "/dev/ttyUSB97" << QByteArray("alice")
                                        << "RS232 Setting Error ! (/dev/ttyUSB97)\n/dev/ttyUSB97 is not there. ";
    }
    void failedDownload()
    {
        QFETCH(FaultOptions, faults);
        QFETCH(QString, device);
        QFETCH(QByteArray, user);
        QFETCH(QString, err);
        DownloadRig rig(faults);
        rig.data.write("DXRegister.txt", kRegistry);
        if (!device.isEmpty())
            qputenv("DEXTREL_COM1", device.toLocal8Bit());
        err.replace("<meter>", qEnvironmentVariable("DEXTREL_COM1"));
        const Ran ran = runProgram({"--data-dir", rig.state.dataDir, "--password", "wonder", "--download"},
                                   rig.data.path(), user);
        const QString id = LocalBytes::decode(user);
        const QStringList logs = DownloadLogFile::logsOf(rig.state.dataDir, id);
        QVERIFY2(ran.exitCode == 1 && ran.err.contains(err), qPrintable(ran.err));
        // A download that ran names its log; no log holds the password.
        QByteArray log;
        QCOMPARE(std::tuple(rig.readingFile(), logs.size(), ran.err.contains("Download log: " + logs.value(0) + '\n'),
                            TextFiles::read(logs.value(0), &log, nullptr) && !log.contains("wonder")),
                 std::tuple(kEarlierFile, qsizetype(device.isEmpty() ? 1 : 0), device.isEmpty(), device.isEmpty()));
    }

    // Find Meter tries a missing device, a file and the meter, one at a time.
    void findMeter_data()
    {
        QTest::addColumn<QStringList>("devices"); // "<meter>": the emulated meter's
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("said"); // "<folder>": where the program runs
        QTest::newRow("found")
            << QStringList{"/dev/ttyUSB97", "some-plain-file", "<meter>"} << 0
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
        DownloadRig rig;
        rig.data.write("some-plain-file", "not a serial port");
        const QString meter = qEnvironmentVariable("DEXTREL_COM1");
        qunsetenv("DEXTREL_COM1");
        devices.replaceInStrings("<meter>", meter);
        const Ran ran = runProgram(QStringList{"--find-meter"} + devices, rig.data.path());
        QCOMPARE(std::tuple(ran.exitCode, ran.out + ran.err),
                 std::tuple(exitCode, said.replace("<meter>", meter).replace("<folder>", rig.data.path())));
        QCOMPARE(runProgram({"--list-ports"}, rig.data.path()).exitCode, 0);
    }

    // Through the windows alone, port 1 is pointed at the meter's device; the
    // next download uses it and prints its steps. The user list is not touched.
    void deviceChosenInTheWindows()
    {
        DownloadRig rig;
        rig.data.write("DXRegister.txt", kRegistry);
        const QString meter = qEnvironmentVariable("DEXTREL_COM1");
        qunsetenv("DEXTREL_COM1");
        const Ran chosen = runProgram(aliceLogin(rig)
                                          + QStringList{"--page", "settings", "--set", "ComboDevice=" + meter, "--dump",
                                                        rig.data.file("chosen.json")},
                                      rig.data.path());
        const Ran downloaded = runProgram(aliceLogin(rig) + QStringList{"--download"}, rig.data.path());
        QCOMPARE(std::tuple(chosen.exitCode, downloaded.exitCode, downloaded.err.contains("Download log")),
                 std::tuple(0, 0, false));
        QVERIFY2(inOrder(downloaded.out.split(u'\n'),
                         {"Meter Wake Up...Please Wait!", "On Line...", " ( 3 ) Data in Meter !!", "Progress 1/6",
                          "Progress 6/6", "Complete! Receive ( 3 ) Data from Meter !!"}),
                 qPrintable(downloaded.out));
        QCOMPARE(std::pair(rig.readingFile(), rig.data.read("DXRegister.txt")), std::pair(rig.cleanFile, kRegistry));
    }
};

QTEST_GUILESS_MAIN(CommandLineDownloadTest)
#include "tst_commandlinedownload.moc"
