#include "common/ProgramRun.h"
#include "common/TestData.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

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
    // Who logs in, how the password is given and what a start finds in the data
    // folder; a refused start writes no dump. An ID of another encoding is
    // given as its bytes and shown as Latin-1.
    void startWith_data()
    {
        QTest::addColumn<QByteArray>("user");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("lock"); // "none": no lock file
        QTest::addColumn<QString>("reason");  // empty: logged in
        QTest::newRow("password on standard input, an empty lock file")
            << QByteArray("alice") << QStringList{"--password-stdin"} << QByteArray("secret\n") << QByteArray("") << "";
        QTest::newRow("password in the environment, a lock file of garbage")
            << QByteArray("alice") << QStringList{"DEXTREL_PASSWORD=secret"} << QByteArray()
            << QByteArray("\x01garbage\n\n") << "";
        QTest::newRow("wrong password on standard input")
            << QByteArray("alice") << QStringList{"--password-stdin", "DEXTREL_PASSWORD=secret"}
            << QByteArray("Secret\n") << QByteArray("none")
            << "User ID [alice] ! Your Password have some error ! Please try again !";
        QTest::newRow("lock of another computer")
            << QByteArray("alice") << QStringList{"--password", "secret"} << QByteArray()
            << QByteArray("1\nDextrel\nsome-other-computer\n")
            << "(process 1 on the computer some-other-computer). If it is not, delete the file ";
        QTest::newRow("a user of another encoding")
            << QByteArray("caf\xe9") << QStringList{"--password", "secret"} << QByteArray() << QByteArray("none") << "";
        QTest::newRow("a user of another encoding, wrong password")
            << QByteArray("caf\xe9") << QStringList{"--password", "Secret"} << QByteArray() << QByteArray("none")
            << "User ID [café] ! Your Password have some error ! Please try again !";
    }
    void startWith()
    {
        QFETCH(QByteArray, user);
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, lock);
        QFETCH(QString, reason);
        ScratchFolder folder;
        folder.write(QStringLiteral("DXRegister.txt"), kAlice + "caf\xe9*,secret*,1,1,1,120,80,120,80\r\n");
        if (lock != "none")
            folder.write(QStringLiteral("dextrel.lock"), lock);
        arguments = QStringList{"--data-dir", folder.path(), "--dump", folder.file("state.json")} + arguments;
#ifdef Q_OS_WIN
        // Arguments are text on Windows: the ID as the system's 8-bit encoding reads it.
        const auto [code, errors] = run(QStringList{"--user", QString::fromLocal8Bit(user)} + arguments, input);
        const bool made = QFile::exists(folder.path() + '/' + QString::fromLocal8Bit(user) + ".txt");
#else
        const auto [code, errors] = runProgram("/bin/sh", withUserBytes(DEXTREL_PROGRAM, user, arguments), input);
        const bool made = ::access((QFile::encodeName(folder.path()) + '/' + user + ".txt").constData(), F_OK) == 0;
#endif
        QVERIFY2(reason.isEmpty() ? code == 0 : code > 0 && errors.contains(reason), qPrintable(errors));
        QCOMPARE(QList<bool>({made, folder.exists("state.json")}), QList<bool>(2, reason.isEmpty()));
    }

    // Steps run in order, each on what the previous one opened; the dump lists
    // the windows front first and every message of the run (up to its first
    // full stop), and the user list keeps what the settings window saved.
    // Port 3 is a device that is not there.
    void steps_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("windows");  // objectName: title, front first
        QTest::addColumn<QStringList>("messages"); // title: text
        QTest::addColumn<QByteArray>("alice");     // her line afterwards
        // The picture is of the page drawn.
        QTest::newRow("help browser, a script for an address, a picture")
            << QStringList{"--page", "web", "--set", "cboAddress=javascript:void(0)", "--screenshot", "PICTURE"}
            << QStringList{"frmBrowser: Dextrel Management Software manual", "frmIndex: Welcome!",
                           "frmMain: Dextrel Management Software v1.2 - [Welcome!]"}
            << QStringList{"Qel: The help browser shows the manual only; it does not open javascript:void(0)"}
            << QByteArray("alice*,secret*,1,2,1,120,80,120,80");
#ifdef Q_OS_UNIX
        // A scripted print asks nothing: it prints to the file offered (here in
        // no folder: Documents in HOME, which Windows does not look at) or says why not.
        QTest::newRow("print to a PDF file that cannot be opened")
            << QStringList{"HOME=PICTURE", "--page", "datalist", "--click", "mnuPrintR"}
            << QStringList{"frmR01unit: Data List", "frmMain: Dextrel Management Software v1.2 - [Data List]"}
            << QStringList{"Qel: This ID have no Glucose data !! Please read from Meter!!",
                           "Qel: The page could not be printed: the printer or file could not be opened"}
            << QByteArray("alice*,secret*,1,2,1,120,80,120,80");
#endif
        // OK writes the limits saved; a port chosen is used at once, and only written by OK.
        QTest::newRow("limits saved and written, then port 3 used on the download page")
            << QStringList{"--page", "settings", "--set",    "TextMax=8.5", "--click",      "CmdSave", "--click",
                           "cmdOK",  "--click",  "mnuSetup", "--set",       "ComOption3=1", "--click", "mnuMeterRead"}
            << QStringList{"frmSet: Setting parameters", "frmMeterRead: Download Meter Readings",
                           "frmMain: Dextrel Management Software v1.2 - [Download Meter Readings]"}
            << QStringList{"Qel: RS232 Setting Error !\n/nonexistent/com3 is not there"}
            << QByteArray("alice*,secret*,1,2,1,153,79,121,79");
    }
    void steps()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, windows);
        QFETCH(QStringList, messages);
        QFETCH(QByteArray, alice);
        ScratchFolder folder;
        folder.write(QStringLiteral("DXRegister.txt"), kAlice);
        arguments.replaceInStrings(QStringLiteral("PICTURE"), folder.file(QStringLiteral("x.png")));
        const auto [code, errors] = run(QStringList{"--data-dir", folder.path(), "--user", "alice", "--password",
                                                    "secret", "--dump", folder.file("state.json"),
                                                    "DEXTREL_COM3=/nonexistent/com3"}
                                        + arguments);
        QVERIFY2(code == 0, qPrintable(errors));
        const QJsonObject dump = QJsonDocument::fromJson(folder.read(QStringLiteral("state.json"))).object();
        QStringList shownWindows, shownMessages;
        for (const QJsonValue w : dump.value(u"windows").toArray())
            shownWindows << w[u"objectName"].toString() + QStringLiteral(": ") + w[u"title"].toString();
        for (const QJsonValue m : dump.value(u"messages").toArray())
            shownMessages << m[u"title"].toString() + QStringLiteral(": ") + m[u"text"].toString().section(u'.', 0, 0);
        QCOMPARE(shownWindows, windows);
        QCOMPARE(shownMessages, messages);
        QCOMPARE(folder.read(QStringLiteral("DXRegister.txt")), crlf({kAlice.first(kAlice.indexOf('\r')), alice}));
        const QByteArray png = folder.read(QStringLiteral("x.png"));
        QCOMPARE(png.startsWith(QByteArray("\x89PNG\r\n\x1a\n", 8)) && png.size() > 10000,
                 arguments.contains("--screenshot"));
    }

    // A start clears what a killed rewrite left and takes others' access
    // away; a step that cannot be taken ends the start afterwards, with why.
    void startTidiesTheFolder()
    {
        ScratchFolder folder;
        folder.write(QStringLiteral("DXRegister.txt"), kAlice);
        QFile::setPermissions(folder.file("DXRegister.txt"), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
        for (const char *name :
             {"DXRegister.txt.Ab12Cd.dextrel-tmp", "alice.txt.x9Y8z7.dextrel-tmp", "alice.txt.bak", "notes.txt"})
            folder.write(name, "x");
        const auto [code, errors] = run(
            {"--data-dir", folder.path(), "--user", "alice", "--password", "secret", "--click", "cmdNone"});
        QVERIFY2(code > 0 && errors.contains("There is no control named \"cmdNone\"."), qPrintable(errors));
        QCOMPARE(QDir(folder.path()).entryList({"*.txt*"}, QDir::Files, QDir::Name),
                 (QStringList{"DXRegister.txt", "alice.txt", "alice.txt.bak", "notes.txt"}));
#ifdef Q_OS_UNIX
        QCOMPARE(QFileInfo(folder.file("DXRegister.txt")).permissions().toInt() & 0x777, 0x600);
#endif
    }

    // The missing data folder is made, and one program at a time uses it.
    void oneProgramPerDataFolder()
    {
        ScratchFolder folder;
        const QString data = folder.file("new/data");
        QProcess first;
#ifdef Q_OS_UNIX
        first.setChildProcessModifier([] { ::umask(0); });
#endif
        first.start(QStringLiteral(DEXTREL_PROGRAM), {"--data-dir", data, "--user", "guest"});
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(data + QStringLiteral("/guest.txt")), 15000);
#ifdef Q_OS_UNIX
        const auto mode = [](const QString &path) { return int(QFileInfo(path).permissions().toInt() & 0x777); };
        QCOMPARE((QList<int>{mode(folder.file("new")), mode(data)}), (QList<int>{0x755, 0x700}));
#endif
        const QStringList again{"--data-dir", data,           "--user",
                                "guest",      "--screenshot", folder.file(QStringLiteral("again.png"))};
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
