#include "common/ProgramRun.h"
#include "common/TestData.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

namespace {
std::pair<int, QString> run(const QStringList &arguments)
{
    return runProgram(QStringLiteral(DEXTREL_PROGRAM), arguments);
}
} // namespace

class ScriptedStartTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void start_data()
    {
        QTest::addColumn<QString>("dataDir"); // inside the scratch folder
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("reason"); // empty: the screenshot is taken
        // The missing data folder is made, and the login works in it.
        QTest::newRow("guest index, new folder") << "new/data" << QStringList{"--user", "guest", "--page", "index"}
                                                 << "";
        QTest::newRow("page not built") << "." << QStringList{"--user", "guest", "--page", "web"}
                                        << "The page \"web\" is not available in this build.";
        QTest::newRow("wrong password") << "." << QStringList{"--user", "alice", "--password", "Secret"}
                                        << "User ID [alice] ! Your Password have some error ! Please try again !";
    }
    void start()
    {
        QFETCH(QString, dataDir);
        QFETCH(QStringList, arguments);
        QFETCH(QString, reason);
        ScratchFolder folder;
        folder.write(QStringLiteral("DXRegister.txt"),
                     crlf({"ID,Passwd,RS-232port,Unit,Time,Max,Min,Maxp,Minp", "guest*,vorpa*,1,1,1,120,80,120,80",
                           "alice*,secret*,1,2,1,120,80,120,80"}));
        const QString data = folder.file(dataDir);
        const auto [code, errors] = run(QStringList{"--data-dir", data, "--screenshot", folder.file("x.png")}
                                        + arguments);
        QVERIFY2(reason.isEmpty() ? code == 0 : code > 0 && errors.contains(reason), qPrintable(errors));
        const QByteArray png = folder.read(QStringLiteral("x.png"));
        QCOMPARE(png.startsWith(QByteArray("\x89PNG\r\n\x1a\n", 8)) && png.size() > 10000, reason.isEmpty());
        QVERIFY(!reason.isEmpty() || QFile::exists(data + QStringLiteral("/guest.txt")));
    }

    // Steps run in order, each on what the previous one opened; the dump lists
    // the windows front first and every message of the run.
    void scriptedSteps_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("windows");   // objectName: title, front first
        QTest::addColumn<QStringList>("messages");  // title: text
        QTest::addColumn<QString>("reason");        // empty: the dump is saved
        QTest::newRow("download page, port missing")
            << QStringList{"--page", "download"}
            << QStringList{"frmMeterRead: Download Meter Readings",
                           "frmMain: Dextrel Management Software v1.2 - [Download Meter Readings]"}
            << QStringList{"Qel: RS232 Setting Error !"} << "";
        QTest::newRow("menu items, in order")
            << QStringList{"--page", "menu", "--click", "mnuIndex", "--click", "mnuAbout"}
            << QStringList{"frmAbout: About...", "frmIndex: Welcome!",
                           "frmMain: Dextrel Management Software v1.2 - [Welcome!]"}
            << QStringList{} << "";
        QTest::newRow("no such control") << QStringList{"--click", "cmdNone"} << QStringList{} << QStringList{}
                                         << "There is no control named \"cmdNone\".";
    }
    void scriptedSteps()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, windows);
        QFETCH(QStringList, messages);
        QFETCH(QString, reason);
        ScratchFolder folder;
        const QString dumpFile = folder.file(QStringLiteral("state.json"));
        const auto [code, errors] = run(QStringList{"--data-dir", folder.path(), "--user", "guest", "--dump", dumpFile}
                                        + arguments);
        QVERIFY2(reason.isEmpty() ? code == 0 : code > 0 && errors.contains(reason), qPrintable(errors));
        const QJsonObject dump = QJsonDocument::fromJson(folder.read(QStringLiteral("state.json"))).object();
        QStringList shownWindows;
        for (const QJsonValue w : dump.value(u"windows").toArray())
            shownWindows << w[u"objectName"].toString() + QStringLiteral(": ") + w[u"title"].toString();
        QStringList shownMessages;
        for (const QJsonValue m : dump.value(u"messages").toArray()) {
            // A second line may give the system's reason.
            shownMessages << m[u"title"].toString() + QStringLiteral(": ") + m[u"text"].toString().section(u'\n', 0, 0);
        }
        QCOMPARE(shownWindows, windows);
        QCOMPARE(shownMessages, messages);
    }

    void oneProgramPerDataFolder()
    {
        ScratchFolder folder;
        QProcess first;
        first.start(QStringLiteral(DEXTREL_PROGRAM), {"--data-dir", folder.path(), "--user", "guest"});
        QTRY_VERIFY_WITH_TIMEOUT(folder.exists(QStringLiteral("guest.txt")), 15000);
        const QStringList again{"--data-dir", folder.path(), "--user", "guest", "--screenshot",
                                folder.file(QStringLiteral("again.png"))};
        const auto [code, errors] = run(again);
        first.kill();
        first.waitForFinished();
        QVERIFY2(code > 0 && errors.contains(QStringLiteral("already running")), qPrintable(errors));
        QVERIFY(!folder.exists(QStringLiteral("again.png")));
        // A program that died without cleaning up leaves the folder free.
        QCOMPARE(run(again).first, 0);
    }
};

QTEST_GUILESS_MAIN(ScriptedStartTest)
#include "tst_scriptedstart.moc"
