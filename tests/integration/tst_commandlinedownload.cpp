// The program's download without windows, run as its own process against the
// emulated meter in this one.

#include "DownloadRig.h"

#include <QFile>
#include <QProcess>
#include <QTest>

class tst_CommandLineDownload : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void downloadsIntoTheUsersFile();
};

void tst_CommandLineDownload::downloadsIntoTheUsersFile()
{
    const QByteArray earlier = "Test_No,Glucose,Month,Day,Hour,Minute,Event,Glucose_mmol,Year,Date & Time\r\n"
                               "T0001,00005,11,20,07,15,C,00.3,2001,2001/11/20 - 07:15\r\n";
    DownloadRig rig(recentRecords(3), {}, earlier);
    QVERIFY(rig.meterReady());
    QFile registry(rig.state.dataDir + QLatin1String("/DXRegister.txt"));
    QVERIFY(registry.open(QIODevice::WriteOnly));
    registry.write("ID,Passwd,RS-232port,Unit,Time,Max,Min,Maxp,Minp\r\n"
                   "guest*,vorpa*,1,1,1,120,80,120,80\r\n"
                   "alice*,wonder*,1,1,1,180,70,180,70\r\n");
    registry.close();

    QProcess program;
    program.setProgram(QStringLiteral(DEXTREL_EXECUTABLE));
    program.setArguments({"--data-dir", rig.state.dataDir, "--user", DownloadRig::kUser, "--password", "wonder",
                          "--download"});
    program.start();
    QVERIFY(program.waitForStarted());
    // The meter answers from this process's event loop, so wait without blocking it.
    QTRY_COMPARE_WITH_TIMEOUT(program.state(), QProcess::NotRunning, 20000);

    const QByteArray out = program.readAllStandardOutput();
    const QByteArray err = program.readAllStandardError();
    QVERIFY2(program.exitStatus() == QProcess::NormalExit && program.exitCode() == 0, err.constData());
    QVERIFY2(out.contains("Complete! Receive ( 3 ) Data from Meter !!"), out.constData());
    QCOMPARE(rig.readingFile().split('\n'), rig.cleanFile().split('\n'));
}

QTEST_GUILESS_MAIN(tst_CommandLineDownload)
#include "tst_commandlinedownload.moc"
