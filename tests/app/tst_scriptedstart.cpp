#include "common/ProgramRun.h"
#include "common/TestData.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

namespace {

const QByteArray kAlice = "ID,Passwd,RS-232port,Unit,Time,Max,Min,Maxp,Minp\r\nalice*,secret*,1,2,1,120,80,120,80\r\n";

std::pair<int, QString> run(const QStringList &arguments, const QByteArray &input = {})
{
    return runProgram(QStringLiteral(DEXTREL_PROGRAM), arguments, input);
}

} // namespace

class ScriptedStartTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void start_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("reason"); // empty: the screenshot is taken
        // The help browser on the manual, after its page has loaded.
        QTest::newRow("help browser") << QStringList{"--user", "guest", "--page", "web"} << "";
        QTest::newRow("wrong password") << QStringList{"--user", "alice", "--password", "Secret"}
                                        << "User ID [alice] ! Your Password have some error ! Please try again !";
    }
    void start()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, reason);
        ScratchFolder folder;
        folder.write(QStringLiteral("DXRegister.txt"),
                     crlf({"ID,Passwd,RS-232port,Unit,Time,Max,Min,Maxp,Minp", "guest*,vorpa*,1,1,1,120,80,120,80",
                           "alice*,secret*,1,2,1,120,80,120,80"}));
        const auto [code, errors] = run(QStringList{"--data-dir", folder.path(), "--screenshot", folder.file("x.png")}
                                        + arguments);
        QVERIFY2(reason.isEmpty() ? code == 0 : code > 0 && errors.contains(reason), qPrintable(errors));
        const QByteArray png = folder.read(QStringLiteral("x.png"));
        QCOMPARE(png.startsWith(QByteArray("\x89PNG\r\n\x1a\n", 8)) && png.size() > 10000, reason.isEmpty());
        QVERIFY(!reason.isEmpty() || folder.exists(QStringLiteral("guest.txt")));
    }

    // How the password is given, and what a start finds in the data folder.
    void startWith_data()
    {
        QTest::addColumn<QStringList>("arguments");  // after --user alice
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("lock");        // "none": no lock file
        QTest::addColumn<QString>("reason");         // empty: logged in
        const QStringList password{"--password", "secret"};
        QTest::newRow("password on standard input") << QStringList{"--password-stdin"} << QByteArray("secret\n") << QByteArray("none") << "";
        QTest::newRow("password in the environment") << QStringList{"DEXTREL_PASSWORD=secret"} << QByteArray() << QByteArray("none") << "";
        QTest::newRow("wrong password on standard input") << QStringList{"--password-stdin", "DEXTREL_PASSWORD=secret"} << QByteArray("Secret\n") << QByteArray("none")
                                                          << "User ID [alice] ! Your Password have some error ! Please try again !";
        QTest::newRow("empty lock file") << password << QByteArray() << QByteArray("") << "";
        QTest::newRow("garbage lock file") << password << QByteArray() << QByteArray("\x01garbage\n\n") << "";
        QTest::newRow("lock of another computer") << password << QByteArray() << QByteArray("1\nDextrel\nsome-other-computer\n")
                                                  << "(process 1 on the computer some-other-computer). If it is not, delete the file ";
    }
    void startWith()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, lock);
        QFETCH(QString, reason);
        ScratchFolder folder;
        folder.write(QStringLiteral("DXRegister.txt"), kAlice);
        if (lock != "none")
            folder.write(QStringLiteral("dextrel.lock"), lock);
        const auto [code, errors] = run(QStringList{"--data-dir", folder.path(), "--dump", folder.file("state.json"),
                                                    "--user", "alice"} + arguments, input);
        QVERIFY2(reason.isEmpty() ? code == 0 : code > 0 && errors.contains(reason), qPrintable(errors));
        QCOMPARE(folder.exists("alice.txt"), reason.isEmpty());
    }

    // A start clears what a killed rewrite left and takes others' access away.
    void startTidiesTheFolder()
    {
        ScratchFolder folder;
        folder.write(QStringLiteral("DXRegister.txt"), kAlice);
        QFile::setPermissions(folder.file("DXRegister.txt"), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
        for (const char *name : {"DXRegister.txt.Ab12Cd.dextrel-tmp", "alice.txt.x9Y8z7.dextrel-tmp", "alice.txt.bak", "notes.txt"})
            folder.write(name, "x");
        const QString data = folder.file("new/data");
        // The missing data folder is made, and the login works in it.
        QCOMPARE(run({"--data-dir", data, "--user", "guest", "--dump", folder.file("state.json")}).first, 0);
        QVERIFY(QFile::exists(data + QStringLiteral("/guest.txt")));
        QCOMPARE(run({"--data-dir", folder.path(), "--user", "alice", "--password", "secret", "--dump",
                      folder.file("state.json")}).first, 0);
        const auto mode = [](const QString &path) { return QFileInfo(path).permissions().toInt() & 0x777; };
        QCOMPARE(QDir(folder.path()).entryList({"*.txt*"}, QDir::Files, QDir::Name),
                 (QStringList{"DXRegister.txt", "alice.txt", "alice.txt.bak", "notes.txt"}));
        QCOMPARE((QList<int>{mode(folder.file("DXRegister.txt")), mode(folder.file("new")), mode(data)}),
                 (QList<int>{0x600, 0x755, 0x700}));
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
        QTest::newRow("help browser, a script for an address")
            << QStringList{"--page", "web", "--set", "cboAddress=javascript:void(0)"}
            << QStringList{"frmBrowser: Dextrel Management Software manual", "frmIndex: Welcome!",
                           "frmMain: Dextrel Management Software v1.2 - [Welcome!]"}
            << QStringList{"Qel: The help browser shows the manual only; it does not open javascript:void(0)"} << "";
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

    // The settings window worked by a script: what the user list holds afterwards
    // and the messages of the run. Port 3 is a device that is not there.
    void settingsWindow_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("alice");     // her line afterwards
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("limits saved and written")
            << QStringList{"--set", "TextMax=8.5", "--click", "CmdSave", "--click", "cmdOK"}
            << QByteArray("alice*,secret*,1,2,1,153,79,121,79") << QStringList{};
        QTest::newRow("port 3 used before OK")
            << QStringList{"--set", "ComOption3=1", "--click", "mnuMeterRead"}
            << QByteArray("alice*,secret*,1,2,1,120,80,120,80")
            << QStringList{"Qel: RS232 Setting Error !\n/nonexistent/com3 is not there"};
    }
    void settingsWindow()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, alice);
        QFETCH(QStringList, messages);
        ScratchFolder folder;
        folder.write(QStringLiteral("DXRegister.txt"), kAlice);
        const auto [code, errors] = run(QStringList{"--data-dir", folder.path(), "--user", "alice", "--password", "secret",
                                                    "--page", "settings", "--dump", folder.file("state.json"),
                                                    "DEXTREL_COM3=/nonexistent/com3"} + arguments);
        QVERIFY2(code == 0, qPrintable(errors));
        QCOMPARE(folder.read(QStringLiteral("DXRegister.txt")), crlf({kAlice.first(kAlice.indexOf('\r')), alice}));
        QStringList shownMessages;
        const QJsonObject dump = QJsonDocument::fromJson(folder.read(QStringLiteral("state.json"))).object();
        for (const QJsonValue m : dump.value(u"messages").toArray())
            shownMessages << m[u"title"].toString() + QStringLiteral(": ") + m[u"text"].toString().section(u'.', 0, 0);  // without the computer's ports
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
