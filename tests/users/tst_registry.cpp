#include "platform/FolderCase.h"
#include "platform/LocalBytes.h"
#include "common/FailingCommit.h"
#include "common/Rows.h"
#include "common/TestData.h"
#include "store/ReadingStore.h"
#include "users/AddUser.h"
#include "users/Login.h"
#include "users/UserRegistry.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {
const QByteArray kHeader = "ID,Passwd,RS-232port,Unit,Time,Max,Min,Maxp,Minp";
const QByteArray kGuest = "guest*,vorpa*,1,1,1,120,80,120,80";
const QString kRegistry = QStringLiteral("DXRegister.txt");
const QByteArray kReadingHeader = "Test_No,Glucose,Month,Day,Hour,Minute,Event,Glucose_mmol,Year,Date & Time";
// "José" and "é" in UTF-8, read in the system's 8-bit encoding: UTF-8 on Linux;
// on Windows its code page (1252 here), in which each such letter is two.
#ifdef Q_OS_WIN
const QString kUtf8Jose = QString::fromLatin1("Jos\xc3\xa9"), kUtf8E = QString::fromLatin1("\xc3\xa9");
#else
const QString kUtf8Jose = QStringLiteral("José"), kUtf8E = QStringLiteral("é");
#endif

// A line of the user list and the ID and password read from it (none: not a user).
struct ParseCase
{
    const char *name;
    QByteArray line;
    QStringList user;
};

// A record added to the list, the ID and password typed at login, and the
// reading file's name in bytes (empty: the login is refused).
struct LoginCase
{
    const char *name;
    QByteArray record;
    QString id, password;
    QByteArray readingFile;
};

// What stands in the place of a file of the data folder (a link, one to
// nothing or to a device, a FIFO), the user who logs in and the reason given
// (empty: the login and a save succeed).
struct SpecialFileCase
{
    const char *name;
    QString file, kind, user, reason;
};

} // namespace

class RegistryTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parse_data()
    {
        using Rows::list;
        Rows::add<ParseCase>({
            {"guest", kGuest, list("guest", "vorpa")},
            {"id without mark loses a letter", "abc,pw*,1,1,1,1,1,1,1", list("ab", "pw")},
            {"any last character goes", "abc#,pw!,1,1,1,1,1,1,1", list("abc", "pw")},
            {"leading zero kept", "007*,0123*,1,1,1,1,1,1,1", list("007", "0123")},
            {"eight fields", "bob*,pw*,1,1,1,1,1,1", {}},
            {"ten fields", "bob*,pw*,1,1,1,1,1,1,1,1", {}},
            {"id only a mark", "*,pw*,1,1,1,1,1,1,1", {}},
            {"empty id", ",pw*,1,1,1,1,1,1,1", {}},
            // Bytes of another code page stay distinct: the ID keeps them, the password can be typed.
            {"Latin-1", "Jos\xe9*,caf\xe9*,1,1,1,1,1,1,1", list(LocalBytes::decode("Jos\xe9"), "café")},
            {"UTF-8", "Jos\xc3\xa9*,\xc3\xa9*,1,1,1,1,1,1,1", list(kUtf8Jose, kUtf8E)},
#ifndef Q_OS_WIN
            // A character outside the Basic Multilingual Plane goes whole, not half of it.
            {"no mark after a wide character", "ab\xf0\x9f\x98\x80,pw\xf0\x9f\x98\x80*,1,1,1,1,1,1,1",
             list("ab", QString::fromUtf8("pw\xf0\x9f\x98\x80"))},
#endif
        });
    }
    void parse()
    {
        const auto &[name, line, user] = Rows::current<ParseCase>();
        QStringList seen;
        for (const QByteArray &end : {QByteArray("\r\n"), QByteArray("\n")}) {
            const UserTable table = UserRegistry::parse(kHeader + end + line + end);
            for (const UserRecord &r : table.records())
                seen << r.id << r.passwd;
        }
        QCOMPARE(seen, user + user);
    }

    void rewrite()
    {
        ScratchFolder folder;
        // Every line but the changed settings comes back byte for byte, its
        // line end included: a first line that is not the header, lines that
        // are not users, Latin-1 bytes, LF, a lone CR, an unfinished last line.
        const QByteArray first = "ID,Passwd (edited by hand)", raw = "broken line", carl = "carl*,c*, 3 ,x,1,1,1,1,1";
        const QByteArray jose = "Jos\xe9*,caf\xe9*,1,1,1,1,1,1,1", joseToo = "Jos\xe8*,\xff*,1,1,1,1,1,1,1";
        folder.write(kRegistry, first + "\n" + kGuest + "\r\n" + jose + "\r" + "bob*,b1*,1,1,1,1,1,1,1\n" + raw + "\r\n"
                                    + joseToo + "\n" + carl + "\r" + "bob*,b2*,5,1,2,9,9,9,9");
        UserTable table;
        QVERIFY(UserRegistry::read(folder.file(kRegistry), &table, nullptr));
        QVERIFY(UserRegistry::rewrite(folder.file(kRegistry), table, {"bob", 3, 2, 2, 126, 68, 144, 72}, nullptr));
        QVERIFY(UserRegistry::rewrite(folder.file(kRegistry), table,
                                      {LocalBytes::decode("Jos\xe9"), 2, 2, 1, 1, 1, 1, 1}, nullptr));
        const QByteArray after = first + "\n" + kGuest + "\r\n" + "Jos\xe9*,caf\xe9*,2,2,1,1,1,1,1\r"
                                 + "bob*,b1*,3,2,2,126,68,144,72\n" + raw + "\r\n" + joseToo + "\n" + carl + "\r"
                                 + "bob*,b2*,3,2,2,126,68,144,72";
        QCOMPARE(folder.read(kRegistry), after);

        // A rewrite that cannot be committed leaves the file and the table as they were.
        const QList<UserRecord> records = table.records();
        FailingCommit::failNext();
        QString error;
        QVERIFY(!UserRegistry::rewrite(folder.file(kRegistry), table, {"bob", 1, 1, 1, 1, 1, 1, 1}, &error)
                && !error.isEmpty());
        QCOMPARE(std::pair(folder.read(kRegistry), table.records()), std::pair(after, records));
    }

    // IDs older lists hold log in; distinct records are distinct users with
    // distinct reading files, a Latin-1 "José" beside a UTF-8 one too (its
    // file named by its own bytes).
    void login_data()
    {
        const QByteArray utf8 = "Jos\xc3\xa9*,utf*,1,1,1,1,1,1,1", twin = "Jos\xe8*,caf\xe8*,1,1,1,1,1,1,1";
        const QString latin1 = LocalBytes::decode("Jos\xe9"), twinId = LocalBytes::decode("Jos\xe8");
        // The length rule counts bytes: each byte of another encoding is one.
        const QByteArray longest(229, '\xe9');
        Rows::add<LoginCase>({
            {"ends with a dot", "Jr.*,pw*,1,1,1,1,1,1,1", "Jr.", "pw", "Jr..txt"},
            {"begins with a space", " ann*,pw*,1,1,1,1,1,1,1", " ann", "pw", " ann.txt"},
            {"Latin-1 id and password", utf8, latin1, "café", "Jos\xe9.txt"},
            {"its UTF-8 look-alike", utf8, kUtf8Jose, "utf", "Jos\xc3\xa9.txt"},
            {"look-alike's password", utf8, kUtf8Jose, "café", ""},
            {"its Latin-1 twin", twin, twinId, "cafè", "Jos\xe8.txt"},
            {"twin's password", twin, twinId, "café", ""},
            {"longest Latin-1 id", longest + "*,pw*,1,1,1,1,1,1,1", LocalBytes::decode(longest), "pw",
             longest + ".txt"},
            {"Latin-1 id a byte too long", longest + "\xe9*,pw*,1,1,1,1,1,1,1", LocalBytes::decode(longest + "\xe9"),
             "pw", ""},
            {"leads outside", "..*,pw*,1,1,1,1,1,1,1", "..", "pw", ""},
            {"device name", "aux*,pw*,1,1,1,1,1,1,1", "aux", "pw", ""},
        });
    }
    void login()
    {
        const auto &[name, record, id, password, readingFile] = Rows::current<LoginCase>();
        if (underWine() && QString::fromLocal8Bit(readingFile).toUtf8().size() > 255)
            QSKIP("Wine names the file in UTF-8 on a Linux disk: two bytes for each of these letters, past 255.");
        ScratchFolder folder;
        folder.write(kRegistry, crlf({kHeader, kGuest, "Jos\xe9*,caf\xe9*,1,1,1,1,1,1,1", record}));
        ReadingStore store;
        const LoginOutcome outcome = Login::logIn(folder.path(), id, password, store);
        QVERIFY2(outcome.ok == !readingFile.isEmpty(), qPrintable(outcome.message));
        QByteArrayList expected{kRegistry.toLatin1(), readingFile};
        expected.removeAll(QByteArray());
        std::sort(expected.begin(), expected.end());
        const QByteArrayList names = fileNames(folder.path());
        QCOMPARE(names, expected);
    }

    // Whatever stands in the place of a file the program reads or writes is
    // refused with a message naming it, and nothing outside the folder changes.
    void linksAndSpecialFiles_data()
    {
        const QString link = "it is a symbolic link, which the program does not follow";
        Rows::add<SpecialFileCase>({
            {"guest's file, a link", "guest.txt", "link", "guest", link},
            {"guest's file, a dangling link", "guest.txt", "dangling", "guest", link},
            {"reading file, a link to /dev/zero", "bob.txt", "/dev/zero", "bob", link},
            {"reading file, a FIFO", "bob.txt", "fifo", "bob", "it is not an ordinary file"},
            {"user list, a link", kRegistry, "link", "guest", link},
            {"kept copy, a link", "bob.txt.bak", "link", "bob", ""},
        });
    }
    void linksAndSpecialFiles()
    {
        const auto &[row, name, kind, user, reason] = Rows::current<SpecialFileCase>();
        ScratchFolder folder, outside;
        outside.write("target", "precious");
        const QMap<QString, QByteArray> before = folderContents(outside.path());
        folder.write(kRegistry, crlf({kHeader, kGuest, "bob*,pw*,1,1,1,1,1,1,1"}));
        folder.write("bob.txt", crlf({kReadingHeader, "a line that cannot be read"}));
        QFile::remove(folder.file(name));
        const QString path = folder.file(name);
        if (kind == "fifo" && !makeFifo(path))
            QSKIP("This system's files have no FIFOs.");
        if (kind != "fifo"
            && !makeSymbolicLink(kind == "link"       ? outside.file("target")
                                 : kind == "dangling" ? outside.file("new")
                                                      : kind,
                                 path))
            QSKIP("This system cannot make symbolic links here.");

        ReadingStore store;
        LoginOutcome outcome = Login::logIn(folder.path(), user, "pw", store);
        QString error;
        const bool saved = outcome.ok
                           && store.rewrite(folder.file("bob.txt"), store.tables(),
                                            QDateTime(QDate(2005, 3, 14), QTime(8, 30)), &error);
        if (reason.isEmpty()) {
            QVERIFY2(saved, qPrintable(outcome.message + error));
            QVERIFY(folder.exists("bob.txt.20050314-083000.bak"));
        } else {
            QVERIFY(!outcome.ok);
            QVERIFY2(outcome.message.contains(QDir::toNativeSeparators(path) + ": " + reason),
                     qPrintable(outcome.message));
        }
        QCOMPARE(folderContents(outside.path()), before);
    }

    void fieldsThatAreNotNumbersFallBack()
    {
        // Each field falls back to its own new-user value; 16 bits, halves rounded to even.
        QCOMPARE(UserRegistry::settingsOf({"u", "p", "x", "", "nan", "32768", "32767.5", "12ab", " 130 "}),
                 (UserSettings{"u", 1, 1, 1, 120, 80, 120, 130}));
        QCOMPARE(UserRegistry::settingsOf({"u", "p", "5", "2.5", "-32768", "-32769", "inf", "3.5", "0090"}),
                 (UserSettings{"u", 5, 2, -32768, 120, 80, 4, 90}));
    }

    void addRefusesUnsafeInput_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("ignoresCase"); // the data folder's file system
        QTest::addColumn<QString>("refusal");  // how the message begins; empty: added
        for (const char *bad :
             {"../outside", "a/b",  "a\\b",    "a..b",   "c:x",      "a*",         "who?",      "a<b",  "a|b",
              "smith,john", "a\tb", "a\nb",    "a\177b", " ann",     "ann ",       ".ann",      "ann.", "CON",
              "prn",        "Aux",  "nul.txt", "com9",   "lpt1.log", "DXRegister", "dxregister"})
            QTest::newRow(QByteArray(bad).toPercentEncoding(" .,:*?<>|/\\").constData())
                << QString::fromLatin1(bad) << "pw" << false
                << "User ID [" + QString::fromLatin1(bad) + "] cannot be used: ";
        // The longest ID whose every file name fits in 255 bytes, and one byte more.
        const QString longest(229, QLatin1Char('a'));
        QTest::newRow("longest") << longest << "pw" << false << "";
        QTest::newRow("one byte too long") << longest + "b"
                                           << "pw" << false
                                           << "User ID [" + longest
                                                  + "b] cannot be used: it is longer than 229 bytes, "
                                                    "too long to name its files.";
        for (const char *bad : {"a,b", "a\rb", "a\nb"})
            QTest::newRow(("password " + QByteArray(bad).toPercentEncoding()).constData())
                << "Ann" << bad << false << "This password cannot be used: ";
        const QString cannotUse = QString::fromUtf8("You can't use this User ID\xef\xbc\x81");
#ifdef Q_OS_WIN
        const bool caseIgnored = true; // the real probe: Windows's file names ignore case
#else
        const bool caseIgnored = false;
#endif
        for (const char *good : {"Guest", "bob", "ann.smith", "console", "COM10", "DXRegister2", "0007"}) {
            const bool registered = caseIgnored && (qstrcmp(good, "Guest") == 0 || qstrcmp(good, "bob") == 0);
            QTest::newRow(good) << QString::fromLatin1(good) << "pw" << false << (registered ? cannotUse : "");
        }
        QTest::newRow("password with the mark") << "Ann"
                                                << "0099*" << false << "";
        QTest::newRow("registered") << "Bob"
                                    << "pw" << false << cannotUse;
        QTest::newRow("registered, other case, folder ignores case") << "bob"
                                                                     << "pw" << true << cannotUse;
        QTest::newRow("guest, other case, folder ignores case") << "GUEST"
                                                                << "pw" << true << cannotUse;
    }
    void addRefusesUnsafeInput()
    {
        QFETCH(QString, id);
        QFETCH(QString, password);
        QFETCH(bool, ignoresCase);
        QFETCH(QString, refusal);
        ScratchFolder folder;
        // An unfinished last line must not swallow the new record.
        const QByteArray bob = "Bob*,b*,1,1,1,1,1,1,1";
        folder.write(kRegistry, crlf({kHeader, kGuest}) + bob);
        // Otherwise the real probe runs, on the scratch folder.
        const AddUser::CaseProbe probe = ignoresCase ? [](const QString &) { return true; } : &FolderCase::ignoresCase;
        const AddUserOutcome outcome = AddUser::add(folder.path(), id, password, password, probe);
        QVERIFY2(refusal.isEmpty() ? outcome.ok : !outcome.ok && outcome.message.startsWith(refusal),
                 qPrintable(outcome.message));
        QCOMPARE(folder.read(kRegistry),
                 refusal.isEmpty()
                     ? crlf({kHeader, kGuest, bob, (id + "*," + password + "*,1,1,1,120,80,120,80").toLocal8Bit()})
                     : crlf({kHeader, kGuest}) + bob);
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{kRegistry});
    }
};

QTEST_GUILESS_MAIN(RegistryTest)
#include "tst_registry.moc"
