#include "platform/DataFolder.h"
#include "platform/DataFolderLock.h"
#include "platform/DownloadLogFile.h"
#include "common/TestData.h"
#include "platform/DeviceChoices.h"
#include "platform/FileIdentity.h"
#include "platform/LocalBytes.h"
#include "platform/PortNames.h"
#include "platform/TemporaryFiles.h"
#include "platform/TextFiles.h"
#include "platform/UiLanguage.h"
#include "platform/UsbIds.h"
#include "users/OwnFiles.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QLockFile>
#include <QTest>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <unistd.h>
#endif

#ifdef Q_OS_WIN
// The file's 8.3 name, as older programs see it: C:\USERS\ANNA~1\LONGFI~1.TXT.
QString shortName(const QString &path)
{
    wchar_t out[MAX_PATH];
    const DWORD n = GetShortPathNameW(QDir::toNativeSeparators(path).toStdWString().c_str(), out, MAX_PATH);
    return n > 0 && n < MAX_PATH ? QString::fromWCharArray(out, int(n)) : QString();
}
#endif

// Sets (or, for a null value, unsets) a variable until the end of the scope.
auto setEnvironment(const char *name, const QByteArray &value)
{
    const QByteArray old = qgetenv(name);
    const bool wasSet = qEnvironmentVariableIsSet(name);
    value.isNull() ? qunsetenv(name) : qputenv(name, value);
    return qScopeGuard([=] { wasSet ? qputenv(name, old) : qunsetenv(name); });
}

class PlatformTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Traditional Chinese for Chinese in the traditional script, however the
    // locale says so; English for everything else, simplified Chinese too.
    void languageOfLocale()
    {
        QStringList chinese;
        for (const char *name : {"zh_TW", "zh_HK", "zh_MO", "zh_Hant", "zh_Hant_CN", "zh_CN", "zh_SG", "zh_Hans_TW",
                                 "zh", "en_US", "de_DE", "C"}) {
            if (UiLanguages::forLocale(QLocale(name)) == UiLanguage::TraditionalChinese)
                chinese << name;
        }
        QCOMPARE(chinese, QStringList({"zh_TW", "zh_HK", "zh_MO", "zh_Hant", "zh_Hant_CN"}));
    }
    // --data-dir wins over DEXTREL_DATA_DIR, which wins over the platform's folder.
    void dataFolderPrecedence()
    {
        QStringList resolved;
        for (const auto &[commandLine, environment] : {std::pair{"/tmp/a", QByteArray("/tmp/b")},
                                                       {"", "/tmp/b"},
                                                       {"rel", QByteArray()},
                                                       {"", QByteArray()},
                                                       {"", ""}}) {
            const auto restore = setEnvironment("DEXTREL_DATA_DIR", environment); // null: not set
            resolved << DataFolder::resolve(commandLine);
        }
#ifdef Q_OS_WIN
        const QString platforms = "C:/"; // it accepts new files here (see windowsDataFolder)
#else
        const QString platforms = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
#endif
        QCOMPARE(resolved,
                 (QStringList{"/tmp/a", "/tmp/b", QDir::current().absoluteFilePath("rel"), platforms, platforms}));
    }

    // A user's 21st log removes the oldest one; other users' logs stay. The
    // folder and every log are the owner's alone.
    void downloadLogRotation()
    {
        ScratchFolder data;
        const QDateTime first(QDate(2026, 12, 6), QTime(9, 0));
        DownloadLogFile log;
        QString error;
        QVERIFY2(log.create(data.path(), "bob-x", first, &error), qPrintable(error)); // not bob's
        for (int i = 0; i <= DownloadLogFile::kKeptPerUser; ++i)
            QVERIFY2(log.create(data.path(), "bob", first.addSecs(i), &error), qPrintable(error));
        QVERIFY(log.create(data.path(), "bob", first.addSecs(DownloadLogFile::kKeptPerUser), &error)); // same second

        const QStringList logs = DownloadLogFile::logsOf(data.path(), "bob");
        QCOMPARE(std::tuple(logs.size(), QFileInfo(logs.first()).fileName(), QFileInfo(logs.last()).fileName(),
                            log.path(), DownloadLogFile::logsOf(data.path(), "bob-x").size()),
                 std::tuple(qsizetype(DownloadLogFile::kKeptPerUser), QString("bob-20261206-090002.log"),
                            QString("bob-20261206-090020-2.log"), logs.last(), qsizetype(1)));
#ifdef Q_OS_UNIX
        const auto ownerOnly = QFile::ReadOwner | QFile::WriteOwner;
        QCOMPARE(QFileInfo(DownloadLogFile::folder(data.path())).permissions() & 0x7077, ownerOnly | QFile::ExeOwner);
        QCOMPARE(QFileInfo(logs.last()).permissions() & 0x7077, ownerOnly);

        // A log the disk refuses (past a size limit here) is removed when none
        // of it was written, and is named incomplete otherwise.
        const auto flushUnder = [&log](qint64 limit) {
            log.append("step\n");
            return underFileSizeLimit(limit, [&log] { return log.flush(); });
        };
        QVERIFY(log.create(data.path(), "carl", first, &error));
        const QString path = log.path();
        bool flushed = flushUnder(0);
        QCOMPARE(std::tuple(flushed, log.path(), QFile::exists(path), log.problem()),
                 std::tuple(false, QString(), false,
                            "No download log is kept: " + DownloadLogFile::folder(data.path())
                                + " cannot hold it: File too large."));
        QVERIFY(log.create(data.path(), "carl", first, &error) && flushUnder(5));
        flushed = flushUnder(5);
        QCOMPARE(std::tuple(flushed, log.path(), data.read("logs/carl-20261206-090000.log"), log.problem()),
                 std::tuple(false, path, QByteArray("step\n"),
                            "The download log " + path + " is incomplete: File too large."));
#endif
    }

    // The start-up clean-up removes the temporary files of the program's own
    // files and nothing else: names others chose, kept copies, an older
    // version's leftovers, links, and temporary-looking names of files that are
    // not the program's (the reading file of no registered user among them).
    void startUpCleanUp()
    {
        ScratchFolder data, outside;
        outside.write("target", "theirs");
        data.write("DXRegister.txt",
                   crlf({"ID,Passwd,RS-232port,Unit,Time,Max,Min,Maxp,Minp", "anna*,pw*,1,1,1,1,1,1,1"}));
        QMap<QString, QByteArray> kept{{"DXRegister.txt", data.read("DXRegister.txt")}};
        if (makeSymbolicLink(outside.file("target"), data.file("anna.txt.Ab12Cd.dextrel-tmp")))
            kept["anna.txt.Ab12Cd.dextrel-tmp"] = "-> " + outside.file("target").toLocal8Bit();
        for (const char *name :
             {"anna.txt.Xy12ab.dextrel-tmp", "DXRegister.txt.Ab12Cd.dextrel-tmp", "case-probe.Ab12Cd.dextrel-tmp",
              "dextrel.ini.Zz9Yy8.dextrel-tmp", "anna.txt.bak.Qq1Ww2.dextrel-tmp",
              "anna.txt.20250314-083000-2.bak.Ee3Rr4.dextrel-tmp"})
            data.write(name, "mine");
        for (const char *name : {"taxes.txt.backup", "thesis.txt.final2", "alice.txt.BACKUP", "notes.txt.Zz9Yy8",
                                 "anna.txt.bak", "anna.txt.Xy12ab.dextrel-tmp.txt", "anna.txt.Xy12a.dextrel-tmp",
                                 "notes.txt.abc123.dextrel-tmp", "holiday photo.jpg.Q9w8E7.dextrel-tmp",
                                 "bob.txt.bak.Qq1Ww2.dextrel-tmp", "DXRegister.txt.bak.Qq1Ww2.dextrel-tmp"}) {
            data.write(name, "theirs");
            kept[name] = "theirs";
        }
        OwnFiles::removeLeftovers(data.path());
        QCOMPARE(folderContents(data.path()), kept);
        QCOMPARE(outside.read("target"), QByteArray("theirs"));
    }

    // Something other than a folder in the place of logs, or other than an
    // ordinary file in the place of the lock, is refused with a message naming
    // it, and nothing there or behind it changes: no log is written, no log of
    // another folder pruned, no start waits on a FIFO.
    void unsafeLogsAndLock_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("form");    // link (to a folder of 25 logs), file, fifo, folder, ended, held
        QTest::addColumn<QString>("message"); // DIR: the data folder; empty: made or taken
        const QString noLog = "No download log is kept: DIR/logs cannot hold it: ";
        const QString noLock = "Cannot lock the data folder DIR: the lock file DIR/dextrel.lock cannot be used: ";
        const QString link = "it is a symbolic link, which the program does not follow.";
        QTest::newRow("logs, a link") << "logs"
                                      << "link" << noLog + link;
        QTest::newRow("logs, a file") << "logs"
                                      << "file" << noLog + "it is not a folder.";
        QTest::newRow("logs, a folder") << "logs"
                                        << "folder"
                                        << "";
        QTest::newRow("lock, a link") << "dextrel.lock"
                                      << "link" << noLock + link;
        QTest::newRow("lock, a FIFO") << "dextrel.lock"
                                      << "fifo" << noLock + "it is not an ordinary file.";
        QTest::newRow("lock, a folder") << "dextrel.lock"
                                        << "folder" << noLock + "it is not an ordinary file.";
        QTest::newRow("lock, an empty file") << "dextrel.lock"
                                             << "file"
                                             << "";
        QTest::newRow("lock, an ended program's") << "dextrel.lock"
                                                  << "ended"
                                                  << "";
        QTest::newRow("lock, held") << "dextrel.lock"
                                    << "held"
                                    << "Dextrel Management Software is already running with the data folder DIR "
                                       "(process PID). If it is not, delete the file DIR/dextrel.lock and start again.";
    }
    void unsafeLogsAndLock()
    {
        QFETCH(QString, name);
        QFETCH(QString, form);
        QFETCH(QString, message);
        ScratchFolder data, outside;
        for (int day = 1; day <= 25; ++day)
            outside.write(QStringLiteral("bob-202612%1-101010.log").arg(day, 2, 10, QLatin1Char('0')), "old");
        const QString path = data.file(name);
        if (form == "link" && !makeSymbolicLink(outside.path(), path))
            QSKIP("This system cannot make symbolic links here.");
        if (form == "fifo" && !makeFifo(path))
            QSKIP("This system's files have no FIFOs.");
        if (form == "file")
            data.write(name, "");
        else if (form == "folder")
            QVERIFY(QDir().mkdir(path));
        else if (form == "ended") { // a lock as written, naming a process number no process has
            QByteArray written;
            {
                QLockFile lockFile(path);
                QVERIFY(lockFile.tryLock(0));
                written = data.read(name);
            }
            data.write(name, "2147483644" + written.mid(written.indexOf('\n')));
        }
        DataFolderLock holder(data.path());
        QString error;
        if (form == "held")
            QVERIFY2(holder.acquire(&error), qPrintable(error));
        const QMap<QString, QByteArray> before = folderContents(data.path()), theirs = folderContents(outside.path());

        DownloadLogFile log;
        DataFolderLock lock(data.path());
        const bool ok = name == "logs"
                            ? log.create(data.path(), "bob", QDateTime(QDate(2026, 12, 26), QTime(10, 10)), &error)
                            : lock.acquire(&error);
        error.replace(QString::number(QCoreApplication::applicationPid()), "PID");
        QCOMPARE(
            std::tuple(error.replace(QDir::toNativeSeparators(data.path()), "DIR"), ok, folderContents(outside.path())),
            std::tuple(QDir::toNativeSeparators(message), message.isEmpty(), theirs));
        if (!ok)
            QCOMPARE(folderContents(data.path()), before);
        QString second; // a lock taken is held: another start is refused
        QVERIFY(!ok || name == "logs" || !DataFolderLock(data.path()).acquire(&second));
    }

#ifdef Q_OS_WIN
    // On Windows the data folder is C:\ while it holds the user list or takes
    // a new file; otherwise the per-user folder, and the first start there (no
    // user list yet) says why. C:\ closed to new files, as an ordinary user of
    // current Windows finds it, is made for the runs named in
    // DEXTREL_TEST_C_DRIVE (scripts/windows/read-only-c.sh); the others skip.
    void windowsDataFolder_data()
    {
        QTest::addColumn<QString>("drive");    // C:\ in this run: writable, read-only, read-only with a list
        QTest::addColumn<bool>("perUserList"); // the per-user folder holds a user list
        QTest::addColumn<QString>("chosen");   // "C:/" or "per-user"
        QTest::addColumn<bool>("saysWhy");
        QTest::newRow("C:\\ writable") << "writable" << false << "C:/" << false;
        QTest::newRow("C:\\ writable, a per-user list") << "writable" << true << "C:/" << false;
        QTest::newRow("C:\\ closed, first start") << "read-only" << false << "per-user" << true;
        QTest::newRow("C:\\ closed, later start") << "read-only" << true << "per-user" << false;
        QTest::newRow("C:\\ closed, holding the list") << "read-only with a list" << false << "C:/" << false;
    }
    void windowsDataFolder()
    {
        QFETCH(QString, drive);
        QFETCH(bool, perUserList);
        QFETCH(QString, chosen);
        QFETCH(bool, saysWhy);
        if (drive != qEnvironmentVariable("DEXTREL_TEST_C_DRIVE", QStringLiteral("writable")))
            QSKIP("Run with C:\\ made so by scripts/windows/read-only-c.sh.");
        if (drive == "writable" && QFile::exists("C:/DXRegister.txt"))
            QSKIP("C:\\DXRegister.txt is there: this computer's own user list is left alone.");
        const QString perUser = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        const QString list = QDir(perUser).filePath("DXRegister.txt");
        QVERIFY(QDir().mkpath(perUser));
        const auto removeList = qScopeGuard([&] { QFile::remove(list); });
        if (perUserList) {
            QFile f(list);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        const auto restore = setEnvironment("DEXTREL_DATA_DIR", {});
        QString note;
        const QString dir = DataFolder::resolve({}, &note);
        const QString why = QStringLiteral("You may not create files in C:\\, so the user list and the readings are "
                                           "kept in %1.")
                                .arg(QDir::toNativeSeparators(perUser));
        QCOMPARE(std::pair(dir, note), std::pair(chosen == "C:/" ? chosen : perUser, saysWhy ? why : QString()));
        QCOMPARE(QDir("C:/").entryList({"*.dextrel-tmp"}, QDir::Files | QDir::Hidden), QStringList());
    }

    // The names Windows keeps for devices, with any ending, lead to the device,
    // not to a file of the folder: whatever a user ID led to, the program
    // neither reads nor writes such a name. A name in a missing folder is no
    // device and no name in use: the system says why.
    void windowsDeviceNames()
    {
        ScratchFolder data;
        QStringList seen;
        for (const QString name : {"NUL", "nul.txt", "Nul.log", "none/x.txt"}) {
            QByteArray content;
            QString readError, writeError, newError;
            bool taken = false;
            const QString path = data.file(name);
            TextFiles::read(path, &content, &readError);
            TextFiles::writeAtomically(path, "x", &writeError);
            TextFiles::writeNew(path, "x", &newError, &taken);
            seen << QStringList{readError, writeError, newError}.join(" | ").replace(QDir::toNativeSeparators(path),
                                                                                     "F")
                        + (taken ? " | taken" : "");
        }
        // A new file (a kept copy) takes the next free name: a device's is in use.
        const QString refused
            = "Cannot read F: it is not an ordinary file | Cannot write F: it is not an ordinary file | "
              "Cannot write F: the name is taken | taken";
        QCOMPARE(seen.mid(0, 3), QStringList(3, refused));
        QVERIFY2(seen.last().count("Cannot") == 3 && !seen.last().contains("ordinary")
                     && !seen.last().contains("taken"),
                 qPrintable(seen.last()));
        QCOMPARE(folderContents(data.path()), (QMap<QString, QByteArray>()));
    }
#endif

    // Files are compared by what they are, not by how they are named: every
    // spelling of one file, a second hard link and a link to it are that file.
    void fileIdentity()
    {
        ScratchFolder data;
        QVERIFY(QDir(data.path()).mkdir("sub"));
        data.write("sub/LongFileName.txt", "mine");
        data.write("sub/other.txt", "mine");
        const QString file = data.file("sub/LongFileName.txt"), dir = data.path();
        QVERIFY(makeHardLink(file, data.file("sub/hard.txt")));
        QMap<QString, QString> spellings{
            {dir + "/sub/./../sub/LongFileName.txt", "it"}, {data.file("sub/hard.txt"), "it"},
            {data.file("sub/other.txt"), "another"},        {data.file("sub"), "another"},
            {data.file("sub/missing.txt"), "nothing"},      {dir + "/SUB/longfilename.TXT", "nothing"}};
        if (makeSymbolicLink(file, data.file("sub/link.txt")))
            spellings[data.file("sub/link.txt")] = "it";
#ifdef Q_OS_WIN
        // Names ignore case; C:\ and c:/, 8.3 short names and \\?\ name the same file.
        const QString native = QDir::toNativeSeparators(file);
        QVERIFY2(shortName(file).contains('~'), qPrintable(shortName(file)));
        for (const QString &spelling : {dir + "/SUB/longfilename.TXT", native, native.left(1).toLower() + native.mid(1),
                                        "\\\\?\\" + native, shortName(file)})
            spellings[spelling] = "it";
#endif
        const QString it = FileIdentity::of(file);
        QVERIFY(!it.isEmpty());
        QMap<QString, QString> seen;
        for (auto spelling = spellings.keyBegin(); spelling != spellings.keyEnd(); ++spelling) {
            const QString identity = FileIdentity::of(*spelling);
            seen[*spelling] = identity == it ? "it" : identity.isEmpty() ? "nothing" : "another";
        }
        QCOMPARE(seen, spellings);
    }

    // DEXTREL_COM<n> wins over the device chosen in the settings file, which
    // wins over the platform's device; the download log says which it was.
    void portChoice()
    {
        const auto restoreOther = setEnvironment("DEXTREL_COM2", "/dev/other"); // another port's leaves it alone
        const auto described = [](int port, const QByteArray &environment, const QString &chosen) {
            const QByteArray variable = "DEXTREL_COM" + QByteArray::number(port);
            const auto restore = setEnvironment(variable.constData(), environment); // null: not set
            const PortNames::Choice choice = PortNames::choose(port, chosen);
            return choice.device.isEmpty() ? QString() : PortNames::describe(port, choice);
        };
#ifdef Q_OS_WIN
        const QString first = "COM1", third = "COM3", pts4 = "pts/4";
#else
        const QString first = "/dev/ttyS0", third = "/dev/ttyS2", pts4 = "/dev/pts/4";
#endif
        QCOMPARE((QStringList{described(1, {}, ""), described(3, {}, ""), described(1, {}, "/dev/ttyUSB0"),
                              described(1, "pts/4", "/dev/ttyUSB0"), described(0, {}, "/dev/ttyUSB0"),
                              described(6, "/dev/pts/4", "")}),
                 (QStringList{first + " for port 1, the default", third + " for port 3, the default",
                              "/dev/ttyUSB0 for port 1, from the settings file",
                              pts4 + " for port 1, from DEXTREL_COM1", "", ""}));
    }

    // What Windows's device IDs say about a USB serial adapter, for --list-ports.
    void usbIds()
    {
        const auto hex = [](std::optional<quint16> n) {
            return n ? QString::number(*n, 16).rightJustified(4, '0') : "-";
        };
        QStringList seen;
        for (const auto &[hardware, instance] :
             {std::pair{"USB\\VID_0403&PID_6001&REV_0600", "USB\\VID_0403&PID_6001\\A10K3LQD"},
              {"USB\\VID_067B&PID_2303&REV_0300", "USB\\VID_067B&PID_2303\\5&2A3B7C&0&2"},
              {"FTDIBUS\\COMPORT&VID_0403&PID_6015", "FTDIBUS\\VID_0403+PID_6015+DN0432ABA\\0000"},
              {"USB\\VID_1A86&PID_7523", "ROOT\\PORTS\\0000"},
              {"ACPI\\PNP0501", "ACPI\\PNP0501\\1"},
              {"USB\\VID_00G1&PID_12", ""}}) {
            const UsbIds ids = UsbIds::fromWindowsIds(hardware, instance);
            seen << QStringLiteral("%1:%2 %3").arg(hex(ids.vendorId), hex(ids.productId), ids.serialNumber);
        }
        QCOMPARE(seen, (QStringList{"0403:6001 A10K3LQD", "067b:2303 ", "0403:6015 DN0432ABA", "1a86:7523 ", "-:- ",
                                    "-:- "}));
    }

    // The program's own settings file: the device each user chose per port,
    // owner-only and rewritten with every line it does not change as it was;
    // one it cannot read or make sense of counts as none, with a warning, and
    // is not rewritten: it holds others' choices.
    void deviceChoices_data()
    {
        QTest::addColumn<QByteArray>("content"); // null: a folder in its place
        QTest::addColumn<QString>("alicePort2");
        QTest::addColumn<QString>("problem");   // %1: the file; empty: none
        QTest::addColumn<QByteArray>("stored"); // after bob's port 1 is stored; empty: refused
        const auto row = [](const char *name, const QByteArray &content, const char *port2, const QString &problem,
                            const QByteArray &stored) {
            QTest::newRow(name) << content << QString(port2) << problem << stored;
        };
        const auto damaged = [](const char *why) {
            return QString("The settings file %1 is damaged (%2).").arg("%1", why);
        };
        const QByteArray title = "[SerialDevices]", bob = "bob/1=/dev/ttyUSB1", alice = "alice/2=/dev/ttyUSB0";
        row("none", "", "", "", crlf({title, bob}));
        // A device goes among the devices, not into the languages that follow them.
        row("languages after the devices", crlf({title, alice, "[Languages]", "alice=zh_TW"}), "/dev/ttyUSB0", "",
            crlf({title, alice, bob, "[Languages]", "alice=zh_TW"}));
        // A choice goes right after a title with none below it; a last line left unfinished stays so.
        row("a title first, then a note", crlf({title, "; note"}), "", "", crlf({title, bob, "; note"}));
        row("an unfinished note last", crlf({title, alice}) + "; end", "/dev/ttyUSB0", "",
            crlf({title, alice, bob}) + "; end");
        row("a language without an ID", crlf({"[Languages]", "=en"}), "", damaged("line 2: \"=en\""), {});
        row("as written, a one-letter ID too", crlf({title, "a/1=/dev/ttyS9", alice}), "/dev/ttyUSB0", "",
            crlf({title, "a/1=/dev/ttyS9", alice, bob}));
        const QByteArray byHand = "; kept by hand\n[SerialDevices]\n alice/2=/dev/ttyACM0 \n";
        row("by hand", byHand, "/dev/ttyACM0", "", byHand + bob + "\r\n");
        row("bob's choice changed in its place", crlf({title, "bob/1=/dev/old", alice}), "/dev/ttyUSB0", "",
            crlf({title, bob, alice}));
        row("port 7", crlf({title, "alice/7=x"}), "", damaged("line 2: \"alice/7=x\""), {});
        row("garbage", crlf({title, alice, "\x01\x02"}), "", damaged("line 3: \"\x01\x02\""), {});
        row("larger than a megabyte", crlf({title, alice, "#" + QByteArray(1 << 20, ' ')}), "",
            damaged("larger than 1048576 bytes"), {});
        row("unreadable", QByteArray(), "", "Cannot read %1: it is not an ordinary file.", {});
    }
    void deviceChoices()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, alicePort2);
        QFETCH(QString, problem);
        QFETCH(QByteArray, stored);
        ScratchFolder data;
        const QString file = DeviceChoices::path(data.path());
        if (content.isNull())
            QDir(data.path()).mkdir("dextrel.ini");
        else if (!content.isEmpty())
            data.write("dextrel.ini", content);
        problem = problem.isEmpty() ? problem : problem.arg(QDir::toNativeSeparators(file));
        const QString fallback
            = " The serial ports open their default devices until one is chosen in the settings again.";
        QString said, error;
        QCOMPARE(DeviceChoices::load(data.path(), &said).device("alice", 2), alicePort2);
        const bool kept = DeviceChoices::store(data.path(), "bob", 1, "/dev/ttyUSB1", &error);
        QCOMPARE(std::tuple(said, kept, error, content.isNull() ? QByteArray() : data.read("dextrel.ini")),
                 std::tuple(problem.isEmpty() ? problem : problem + fallback, !stored.isEmpty(),
                            stored.isEmpty() ? problem + " It is left as it is, so that no other choice in it is lost."
                                             : QString(),
                            stored.isEmpty() ? content : stored));
    }

    // Kept per user and port, an ID of another encoding by its own bytes; a
    // device that would break its line is refused.
    void deviceChoiceKept()
    {
        ScratchFolder data;
        QString error;
        const QString latin1 = LocalBytes::decode("caf\xe9");
        for (const auto &[user, port, device] : {std::tuple<QString, int, QString>{"alice", 2, "/dev/ttyUSB0"},
                                                 {"bob", 1, "COM7"},
                                                 {"a=b [c]", 1, "/dev/pts/3"},
                                                 {"bob", 1, ""},
                                                 {"alice", 1, "x"},
                                                 {latin1, 3, "/dev/ttyUSB3"}})
            QVERIFY2(DeviceChoices::store(data.path(), user, port, device, &error), qPrintable(error));
        const QByteArray kept = crlf({"[SerialDevices]", "a%3Db%20%5Bc%5D/1=/dev/pts/3", "alice/1=x",
                                      "alice/2=/dev/ttyUSB0", "caf%E9/3=/dev/ttyUSB3"});
        QVERIFY(!DeviceChoices::store(data.path(), "bob", 2, "/dev/ttyUSB0\r\nann/1=/dev/evil", &error));
        QCOMPARE(std::tuple(data.read("dextrel.ini"), error),
                 std::tuple(kept, QString("A device name cannot hold a line break or another control character.")));
        const DeviceChoices loaded = DeviceChoices::load(data.path(), &error);
        QCOMPARE(std::pair(loaded.device("a=b [c]", 1), loaded.device(latin1, 3)),
                 std::pair(QString("/dev/pts/3"), QString("/dev/ttyUSB3")));
#ifdef Q_OS_UNIX
        QCOMPARE(QFileInfo(data.file("dextrel.ini")).permissions() & 0x7077, QFile::ReadOwner | QFile::WriteOwner);
#endif
    }
};

QTEST_GUILESS_MAIN(PlatformTest)
#include "tst_platform.moc"
