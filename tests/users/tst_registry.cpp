#include "app/TextFiles.h"
#include "common/TestData.h"
#include "users/AddUser.h"
#include "users/UserRegistry.h"

#include <QDir>
#include <QTest>

namespace {
const QByteArray kHeader = "ID,Passwd,RS-232port,Unit,Time,Max,Min,Maxp,Minp";
const QByteArray kGuest = "guest*,vorpa*,1,1,1,120,80,120,80";
const QString kRegistry = QStringLiteral("DXRegister.txt");
} // namespace

class tst_Registry : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parse_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QStringList>("user");  // ID and password; empty: not a user
        QTest::newRow("guest") << kGuest << QStringList{"guest", "vorpa"};
        QTest::newRow("id without mark loses a letter") << QByteArray("abc,pw*,1,1,1,1,1,1,1") << QStringList{"ab", "pw"};
        QTest::newRow("any last character goes") << QByteArray("abc#,pw!,1,1,1,1,1,1,1") << QStringList{"abc", "pw"};
        QTest::newRow("leading zero kept") << QByteArray("007*,0123*,1,1,1,1,1,1,1") << QStringList{"007", "0123"};
        QTest::newRow("eight fields") << QByteArray("bob*,pw*,1,1,1,1,1,1") << QStringList();
        QTest::newRow("ten fields") << QByteArray("bob*,pw*,1,1,1,1,1,1,1,1") << QStringList();
        QTest::newRow("id only a mark") << QByteArray("*,pw*,1,1,1,1,1,1,1") << QStringList();
        QTest::newRow("empty id") << QByteArray(",pw*,1,1,1,1,1,1,1") << QStringList();
    }
    void parse()
    {
        QFETCH(QByteArray, line);
        QFETCH(QStringList, user);
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
        const QByteArray ann = "ann*,a1*,2,2,2,200,70,180,90", raw = "broken line", carl = "carl*,c*, 3 ,x,1,1,1,1,1";
        folder.write(kRegistry, crlf({kHeader, kGuest, ann, "bob*,b1*,1,1,1,1,1,1,1", raw, carl, "bob*,b2*,5,1,2,9,9,9,9"}));
        UserTable table;
        QVERIFY(UserRegistry::read(folder.file(kRegistry), &table, nullptr));
        QVERIFY(UserRegistry::rewrite(folder.file(kRegistry), table, {"bob", 3, 2, 2, 126, 68, 144, 72}, nullptr));
        const QByteArray after = crlf({kHeader, kGuest, ann, "bob*,b1*,3,2,2,126,68,144,72", raw, carl,
                                       "bob*,b2*,3,2,2,126,68,144,72"});
        QCOMPARE(folder.read(kRegistry), after);

        // A rewrite that cannot be committed leaves the file and the table as they were.
        const QList<UserRecord> records = table.records();
        TextFiles::testing::failNextCommit();
        QString error;
        QVERIFY(!UserRegistry::rewrite(folder.file(kRegistry), table, {"bob", 1, 1, 1, 1, 1, 1, 1}, &error)
                && !error.isEmpty());
        QCOMPARE(std::pair(folder.read(kRegistry), table.records()), std::pair(after, records));
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
        QTest::addColumn<bool>("accepted");
        for (const char *bad : {"../outside", "a/b", "a\\b", "a..b", "c:x", "a*", "who?", "a<b", "a|b", "smith,john",
                                "a\tb", "a\nb", "a\x7f" "b", " ann", "ann ", ".ann", "ann.", "CON", "prn", "Aux",
                                "nul.txt", "com9", "lpt1.log", "DXRegister", "dxregister"})
            QTest::newRow(QByteArray(bad).toPercentEncoding(" .,:*?<>|/\\").constData()) << QString::fromLatin1(bad) << "pw" << false;
        QTest::newRow("too long") << QString(300, QLatin1Char('a')) << "pw" << false;
        for (const char *bad : {"a,b", "a\rb", "a\nb"})
            QTest::newRow(("password " + QByteArray(bad).toPercentEncoding()).constData()) << "Ann" << bad << false;
        for (const char *good : {"Guest", "ann.smith", "console", "COM10", "DXRegister2", "0007"})
            QTest::newRow(good) << QString::fromLatin1(good) << "pw" << true;
        QTest::newRow("password with the mark") << "Ann" << "0099*" << true;
    }
    void addRefusesUnsafeInput()
    {
        QFETCH(QString, id);
        QFETCH(QString, password);
        QFETCH(bool, accepted);
        ScratchFolder folder;
        // An unfinished last line must not swallow the new record.
        folder.write(kRegistry, kHeader + "\r\n" + kGuest);
        const AddUserOutcome outcome = AddUser::add(folder.path(), id, password, password);
        QCOMPARE(outcome.ok, accepted);
        QCOMPARE(folder.read(kRegistry), accepted ? crlf({kHeader, kGuest, (id + "*," + password + "*,1,1,1,120,80,120,80").toLocal8Bit()})
                                                  : kHeader + "\r\n" + kGuest);
        const QString start = password == "pw" ? "User ID [" + id + "] cannot be used: " : "This password cannot be used: ";
        QVERIFY2(accepted || (outcome.message.startsWith(start) && outcome.message.endsWith('.')), qPrintable(outcome.message));
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList{kRegistry});
    }
};

QTEST_GUILESS_MAIN(tst_Registry)
#include "tst_registry.moc"
