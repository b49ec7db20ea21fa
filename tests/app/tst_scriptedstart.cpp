#include "app/ui/StartOptions.h"
#include "common/TestData.h"

#include <QDir>
#include <QProcess>
#include <QTest>

Q_DECLARE_METATYPE(StartOptions::Outcome)

namespace {

struct Run
{
    int exitCode = -1;
    QString errors;
};

QProcessEnvironment offscreen()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.remove(QStringLiteral("DEXTREL_DATA_DIR"));
    return env;
}

// Runs the program, which must end by itself.
Run runProgram(const QStringList &arguments, const QString &workingDir = {})
{
    QProcess process;
    process.setProcessEnvironment(offscreen());
    process.setWorkingDirectory(workingDir);
    process.start(QStringLiteral(DEXTREL_PROGRAM), arguments);
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return {-1, QStringLiteral("<did not end>")};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardError())};
}

} // namespace

class ScriptedStartTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void options_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<StartOptions::Outcome>("outcome");
        QTest::addColumn<QString>("errorPart");
        using O = StartOptions::Outcome;
        QTest::newRow("nothing") << QStringList{} << O::Run << QString();
        QTest::newRow("help") << QStringList{"--help"} << O::Help << QString();
        QTest::newRow("unknown page") << QStringList{"--user", "u", "--page", "Index"} << O::Error << "Index";
        QTest::newRow("stray argument") << QStringList{"guest"} << O::Error << "guest";
        QTest::newRow("empty user") << QStringList{"--user", ""} << O::Error << "--user";
        QTest::newRow("password without user") << QStringList{"--password", "p"} << O::Error << "--password";
        QTest::newRow("download without user") << QStringList{"--download"} << O::Error << "--download";
        QTest::newRow("download with a page")
            << QStringList{"--download", "--user", "u", "--page", "index"} << O::Error << "--page";
    }
    void options()
    {
        QFETCH(QStringList, arguments);
        QFETCH(StartOptions::Outcome, outcome);
        QFETCH(QString, errorPart);
        const StartOptions::Parsed parsed = StartOptions::parse(QStringList{QStringLiteral("dextrel")} + arguments);
        QCOMPARE(parsed.outcome, outcome);
        QVERIFY2(parsed.text.contains(errorPart), qPrintable(parsed.text));
    }

    void optionValues()
    {
        const StartOptions o = StartOptions::parse({"dextrel", "--data-dir", "/d", "--user", "Guest", "--password",
                                                    "a b", "--page", "pclinegraph", "--screenshot", "s.png"})
                                   .options;
        QCOMPARE(QStringList({o.dataDir, o.user, o.password, o.screenshot}),
                 QStringList({"/d", "Guest", "a b", "s.png"}));
        QCOMPARE(o.page, std::optional(PageCommand::PcLineGraph));
        QVERIFY(o.unattended() && !o.download);
        QVERIFY(!StartOptions::parse({"dextrel", "--page", "index"}).options.unattended());
    }

    void guestIndexScreenshot()
    {
        ScratchFolder folder;
        const QString data = folder.file(QStringLiteral("new/data"));
        const Run run = runProgram({"--data-dir", data, "--user", "guest", "--page", "index", "--screenshot",
                                    folder.file(QStringLiteral("index.png"))});
        QVERIFY2(run.exitCode == 0, qPrintable(run.errors));
        const QByteArray png = folder.read(QStringLiteral("index.png"));
        QVERIFY(png.startsWith(QByteArray("\x89PNG\r\n\x1a\n", 8)));
        QVERIFY(png.size() > 10000);
        // The missing data folder was made, and the login worked in it.
        QVERIFY(QFile::exists(QDir(data).filePath(QStringLiteral("guest.txt"))));
    }

    void refusals_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("reason");
        QTest::newRow("page not built") << QStringList{"--user", "guest", "--page", "histogram"}
                                        << "The page \"histogram\" is not available in this build.";
        QTest::newRow("wrong password")
            << QStringList{"--user", "alice", "--password", "Secret"}
            << "User ID [alice] ! Your Password have some error ! Please try again !";
        QTest::newRow("unknown user") << QStringList{"--user", "Alice"} << "There is no user \"Alice\".";
    }
    void refusals()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, reason);
        ScratchFolder folder;
        folder.write(QStringLiteral("DXRegister.txt"),
                     crlf({"ID,Passwd,RS-232port,Unit,Time,Max,Min,Maxp,Minp", "guest*,vorpa*,1,1,1,120,80,120,80",
                           "alice*,secret*,1,2,1,120,80,120,80"}));
        const Run run = runProgram(QStringList{"--data-dir", folder.path(), "--screenshot", "x.png"} + arguments,
                                   folder.path());
        QVERIFY2(run.exitCode > 0, qPrintable(run.errors));
        QVERIFY2(run.errors.contains(reason), qPrintable(run.errors));
        QVERIFY(!folder.exists(QStringLiteral("x.png")));
    }

    void oneProgramPerDataFolder()
    {
        ScratchFolder folder;
        QProcess first;
        first.setProcessEnvironment(offscreen());
        first.start(QStringLiteral(DEXTREL_PROGRAM), {"--data-dir", folder.path(), "--user", "guest"});
        QTRY_VERIFY_WITH_TIMEOUT(folder.exists(QStringLiteral("guest.txt")), 15000);

        const QStringList again{"--data-dir", folder.path(), "--user", "guest", "--screenshot",
                                folder.file(QStringLiteral("again.png"))};
        const Run second = runProgram(again);
        first.kill();
        first.waitForFinished();
        QVERIFY2(second.exitCode > 0 && second.errors.contains(QStringLiteral("already running")),
                 qPrintable(second.errors));
        QVERIFY(!folder.exists(QStringLiteral("again.png")));
        // A program that died without cleaning up leaves the folder free.
        const Run third = runProgram(again);
        QVERIFY2(third.exitCode == 0, qPrintable(third.errors));
    }
};

QTEST_GUILESS_MAIN(ScriptedStartTest)
#include "tst_scriptedstart.moc"
