#include "common/ProgramRun.h"
#include "common/Rows.h"
#include "common/TestData.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <memory>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray kAlice = "ID,Passwd,RS-232port,Unit,Time,Max,Min,Maxp,Minp\r\nalice*,secret*,1,2,1,120,80,120,80\r\n";

std::pair<int, QString> run(const QStringList &arguments, const QByteArray &input = {})
{
    return runProgram(QStringLiteral(DEXTREL_PROGRAM), arguments, input);
}

// The words of the dump's visible texts that are English: every word of two
// letters or more but names (the user alice, Windows's COM ports), units, date
// formats, the clock as the system writes it, paths and the switches of the
// command line.
QStringList englishIn(const QJsonObject &dump)
{
    static const QRegularExpression kept(QStringLiteral("\\S*/\\S*|COM\\d+|--?[a-z-]+|\\d+ [A-Z][a-z]{2} "
                                                        "\\d{4}|\\b(Dextrel|Management|Software|DX|PC|RS232|Qel|"
                                                        "English|USB|PDF|CSV|Enter|GMI|A1C|alice|AM|PM)\\b"));
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    QStringList texts, english;
    for (const QJsonValue m : dump[u"messages"].toArray())
        texts << m[u"title"].toString() << m[u"text"].toString();
    for (const QJsonValue w : dump[u"windows"].toArray()) {
        texts << w[u"title"].toString();
        for (const QJsonValue c : w[u"controls"].toObject()) {
            // The manual's pages are checked on their own.
            if (!c[u"visible"].toBool() || c[u"class"].toString().contains(u"Browser"))
                continue;
            texts << c[u"text"].toString();
            for (const QJsonValue item : c[u"items"].toArray() + c[u"headers"].toArray())
                texts << item.toString();
        }
    }
    for (QString text : std::as_const(texts)) {
        for (const QRegularExpressionMatch &m : word.globalMatch(text.remove(kept)))
            english << m.captured();
    }
    return english;
}

// Who starts (an ID's bytes), with what, the lock file found ("none": no
// lock file), and why the start is refused (empty: logged in).
struct StartCase
{
    const char *name;
    QByteArray user;
    QStringList arguments;
    QByteArray input, lock;
    QString reason;
};

// The steps, then the dump's windows ("objectName: title", front first) and
// messages ("title: text"), and alice's line of the user list.
struct StepsCase
{
    const char *name;
    QStringList arguments, windows, messages;
    QByteArray alice;
};

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
        using Rows::list;
        Rows::add<StartCase>({
            {"password on standard input, an empty lock file", "alice", list("--password-stdin"), "secret\n", "", ""},
            {"password in the environment, a lock file of garbage", "alice", list("DEXTREL_PASSWORD=secret"), "",
             "\x01garbage\n\n", ""},
            {"wrong password on standard input", "alice", list("--password-stdin", "DEXTREL_PASSWORD=secret"),
             "Secret\n", "none", "User ID [alice] ! Your Password have some error ! Please try again !"},
            {"lock of another computer", "alice", list("--password", "secret"), "", "1\nDextrel\nsome-other-computer\n",
             "(process 1 on the computer some-other-computer). If it is not, delete the file "},
            {"a user of another encoding", "caf\xe9", list("--password", "secret"), "", "none", ""},
            {"a user of another encoding, wrong password", "caf\xe9", list("--password", "Secret"), "", "none",
             "User ID [café] ! Your Password have some error ! Please try again !"},
        });
    }
    void startWith()
    {
        const auto &[name, user, arguments, input, lock, reason] = Rows::current<StartCase>();
        ScratchFolder folder;
        folder.write(QStringLiteral("DXRegister.txt"), kAlice + "caf\xe9*,secret*,1,1,1,120,80,120,80\r\n");
        if (lock != "none")
            folder.write(QStringLiteral("dextrel.lock"), lock);
        const QStringList started = QStringList{"--data-dir", folder.path(), "--dump", folder.file("state.json")}
                                    + arguments;
#ifdef Q_OS_WIN
        // Arguments are text on Windows: the ID as the system's 8-bit encoding reads it.
        const auto [code, errors] = run(QStringList{"--user", QString::fromLocal8Bit(user)} + started, input);
        const bool made = QFile::exists(folder.path() + '/' + QString::fromLocal8Bit(user) + ".txt");
#else
        const auto [code, errors] = runProgram("/bin/sh", withUserBytes(DEXTREL_PROGRAM, user, started), input);
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
        using Rows::list;
        Rows::add<StepsCase>({
            // The picture is of the page drawn.
            {"help browser, a script for an address, a picture",
             list("--page", "web", "--set", "cboAddress=javascript:void(0)", "--screenshot", "PICTURE"),
             list("frmBrowser: Dextrel Management Software manual", "frmIndex: Welcome!",
                  "frmMain: Dextrel Management Software v1.2 - [Welcome!]"),
             list("Qel: The help browser shows the manual only; it does not open javascript:void(0)"),
             "alice*,secret*,1,2,1,120,80,120,80"},
#ifdef Q_OS_UNIX
            // A scripted print asks nothing: it prints to the file offered (here in
            // no folder: Documents in HOME, which Windows does not look at) or says why not.
            {"print to a PDF file that cannot be opened",
             list("HOME=PICTURE", "--page", "datalist", "--click", "mnuPrintR"),
             list("frmR01unit: Data List", "frmMain: Dextrel Management Software v1.2 - [Data List]"),
             list("Qel: This ID have no Glucose data !! Please read from Meter!!",
                  "Qel: The page could not be printed: the printer or file could not be opened"),
             "alice*,secret*,1,2,1,120,80,120,80"},
#endif
            // OK writes the limits saved; a port chosen is used at once, and only written by OK.
            {"limits saved and written, then port 3 used on the download page",
             list("--page", "settings", "--set", "TextMax=8.5", "--click", "CmdSave", "--click", "cmdOK", "--click",
                  "mnuSetup", "--set", "ComOption3=1", "--click", "mnuMeterRead"),
             list("frmSet: Setting parameters", "frmMeterRead: Download Meter Readings",
                  "frmMain: Dextrel Management Software v1.2 - [Download Meter Readings]"),
             list("Qel: RS232 Setting Error !\n/nonexistent/com3 is not there"), "alice*,secret*,1,2,1,153,79,121,79"},
        });
    }
    void steps()
    {
        const StepsCase &c = Rows::current<StepsCase>();
        ScratchFolder folder;
        folder.write(QStringLiteral("DXRegister.txt"), kAlice);
        QStringList arguments = c.arguments;
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
        QCOMPARE(std::tuple(shownWindows, shownMessages, folder.read(QStringLiteral("DXRegister.txt"))),
                 std::tuple(c.windows, c.messages, crlf({kAlice.first(kAlice.indexOf('\r')), c.alice})));
        const QByteArray png = folder.read(QStringLiteral("x.png"));
        QCOMPARE(png.startsWith(QByteArray("\x89PNG\r\n\x1a\n", 8)) && png.size() > 10000,
                 arguments.contains("--screenshot"));
    }

    // Every window in Traditional Chinese, with no word left in English but
    // names and units. A window is one row: what opens it. The runs go at
    // once, each in a data folder of its own.
    void chineseWindows()
    {
        QList<std::pair<QString, QStringList>> windows{
            {"index", {"--page", "index"}},
            {"menu", {"--page", "menu"}},
            {"download, its port not there", {"--page", "download"}},
            {"settings", {"--page", "settings"}},
            {"find meter", {"--page", "settings", "--click", "CmdFindMeter"}},
            {"about", {"--page", "about"}},
            {"help browser", {"--page", "web"}},
            {"export readings", {"--page", "index", "--click", "mnuExport"}},
            {"report for my doctor", {"--page", "index", "--click", "mnuDoctorReport"}},
        };
        for (const char *page :
             {"datalist", "standardday", "linegraph", "pclinegraph", "histogram", "summary", "overlayday"})
            windows.append({page, {"--page", page}});
        std::vector<std::unique_ptr<ScratchFolder>> folders;
        QList<QStringList> runs;
        for (const auto &[name, arguments] : std::as_const(windows)) {
            folders.push_back(std::make_unique<ScratchFolder>());
            folders.back()->write(QStringLiteral("DXRegister.txt"), kAlice);
            runs << QStringList{"--data-dir", folders.back()->path(),
                                "--lang",     "zh_TW",
                                "--user",     "alice",
                                "--password", "secret",
                                "--dump",     folders.back()->file("state.json")}
                        + arguments;
        }
        const QList<std::pair<int, QString>> results = runPrograms(QStringLiteral(DEXTREL_PROGRAM), runs);
        QStringList found; // "window: what is left in English", or why there is no dump
        for (qsizetype i = 0; i < windows.size(); ++i) {
            const QJsonObject dump = QJsonDocument::fromJson(folders[i]->read(QStringLiteral("state.json"))).object();
            const QString left = results[i].first != 0 ? results[i].second
                                 : dump.isEmpty()      ? QStringLiteral("no dump")
                                                       : englishIn(dump).join(u' ');
            if (!left.isEmpty())
                found << windows[i].first + QStringLiteral(": ") + left;
        }
        QCOMPARE(found.join(u'\n'), QString());
    }

    // The system's language by default; a choice in the settings shows at
    // once, is kept for the user in dextrel.ini and wins over the system's;
    // --lang wins over both for its run.
    void languageChosen()
    {
#ifdef Q_OS_WIN
        QSKIP("The system's language is set here through the environment, as on Linux; Windows takes it from the "
              "user's settings.");
#endif
        ScratchFolder folder;
        folder.write(QStringLiteral("DXRegister.txt"), kAlice);
        const struct
        {
            QStringList arguments;
            QString front; // the front window's title
            QByteArray ini;
        } steps[] = {
            {{"LC_ALL=zh_TW.UTF-8", "--page", "index"}, "歡迎！", {}},
            {{"LC_ALL=C", "--page", "index"}, "Welcome!", {}},
            {{"LC_ALL=C", "--page", "settings", "--set", "ComboLanguage=繁體中文"},
             "參數設定",
             "[Languages]\r\nalice=zh_TW\r\n"},
            {{"LC_ALL=C", "--page", "index"}, "歡迎！", "[Languages]\r\nalice=zh_TW\r\n"},
            {{"LC_ALL=C", "--lang", "en", "--page", "settings"},
             "Setting parameters",
             "[Languages]\r\nalice=zh_TW\r\n"},
            {{"LC_ALL=zh_TW.UTF-8", "--page", "settings", "--set", "ComboLanguage=English"},
             "Setting parameters",
             "[Languages]\r\nalice=en\r\n"},
            {{"LC_ALL=zh_TW.UTF-8", "--page", "settings", "--set", "ComboLanguage=System"},
             "參數設定",
             "[Languages]\r\n"},
        };
        for (const auto &step : steps) {
            const auto [code, errors] = run(QStringList{"--data-dir", folder.path(), "--user", "alice", "--password",
                                                        "secret", "--dump", folder.file("state.json")}
                                            + step.arguments);
            QVERIFY2(code == 0, qPrintable(errors));
            const QJsonObject dump = QJsonDocument::fromJson(folder.read(QStringLiteral("state.json"))).object();
            QCOMPARE(std::pair(dump[u"windows"][0][u"title"].toString(), folder.read(QStringLiteral("dextrel.ini"))),
                     std::pair(step.front, step.ini));
        }
    }

    // The command line's help and refusals in the language asked for, the
    // program named by its file's name in both.
    void commandLineLanguage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("said"); // the first line
        const auto row = [](const char *name, const QStringList &arguments, const QString &said) {
            QTest::newRow(name) << arguments << said;
        };
        row("help", {"LC_ALL=C", "--help"}, "Usage: dextrel [options]");
        row("help, --lang zh_TW", {"LC_ALL=C", "--lang", "zh_TW", "--help"}, "用法：dextrel [選項]");
        row("the system's language", {"LC_ALL=zh_TW.UTF-8", "--data-dir="}, "--data-dir 需要一個資料夾。");
        row("--lang en over the system's", {"LC_ALL=zh_TW.UTF-8", "--lang", "en", "--data-dir="},
            "--data-dir needs a folder.");
        row("a language unknown", {"LC_ALL=C", "--lang", "xx"}, "--lang takes en or zh_TW.");
    }
    void commandLineLanguage()
    {
#ifdef Q_OS_WIN
        QSKIP("Run through a Unix shell, with the system's language set in the environment.");
#endif
        QFETCH(QStringList, arguments);
        QFETCH(QString, said);
        // Standard output too goes where runProgram reads.
        const auto [code, output] = runProgram("/bin/sh", QStringList{"-c", "exec \"$0\" \"$@\" 1>&2", DEXTREL_PROGRAM}
                                                              + arguments);
        QCOMPARE(output.section(u'\n', 0, 0), said);
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
