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

QStringList idsOf(const UserTable &table)
{
    QStringList ids;
    for (const UserRecord &r : table.records())
        ids << r.id;
    return ids;
}

} // namespace

class tst_Registry : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaultAndNewUserBytes();
    void parse_data();
    void parse();
    void rewriteKeepsOtherLinesAndSetsEveryMatch();
    void failedRewriteKeepsFileAndTable();
    void append_data();
    void append();
    void fieldConversion_data();
    void fieldConversion();
    void idRules_data();
    void idRules();
    void passwordRules_data();
    void passwordRules();
};

void tst_Registry::defaultAndNewUserBytes()
{
    QCOMPARE(UserRegistry::defaultContent(), crlf({kHeader, kGuest}));
    QCOMPARE(UserRegistry::newUserRecord("Ann", "0042"), QStringLiteral("Ann*,0042*,1,1,1,120,80,120,80"));

    ScratchFolder folder;
    folder.write(kRegistry, "old content that must go");
    QVERIFY(UserRegistry::createDefault(folder.file(kRegistry), nullptr));
    QCOMPARE(folder.read(kRegistry), crlf({kHeader, kGuest}));
}

void tst_Registry::parse_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("id");  // empty: not a user
    QTest::addColumn<QString>("password");

    QTest::newRow("guest") << kGuest << "guest" << "vorpa";
    QTest::newRow("id without mark loses a letter") << QByteArray("abc,pw*,1,1,1,1,1,1,1") << "ab" << "pw";
    QTest::newRow("any last character goes") << QByteArray("abc#,pw!,1,1,1,1,1,1,1") << "abc" << "pw";
    QTest::newRow("leading zero kept") << QByteArray("007*,0123*,1,1,1,1,1,1,1") << "007" << "0123";
    QTest::newRow("non-ASCII") << QString("J\u00f6rg*,p*,1,1,1,1,1,1,1").toLocal8Bit() << "J\u00f6rg" << "p";
    QTest::newRow("eight fields") << QByteArray("bob*,pw*,1,1,1,1,1,1") << "" << "";
    QTest::newRow("ten fields") << QByteArray("bob*,pw*,1,1,1,1,1,1,1,1") << "" << "";
    QTest::newRow("id only a mark") << QByteArray("*,pw*,1,1,1,1,1,1,1") << "" << "";
    QTest::newRow("empty id") << QByteArray(",pw*,1,1,1,1,1,1,1") << "" << "";
    QTest::newRow("empty line") << QByteArray() << "" << "";
}

void tst_Registry::parse()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, id);
    QFETCH(QString, password);

    for (const QByteArray &end : {QByteArray("\r\n"), QByteArray("\n")}) {
        const UserTable table = UserRegistry::parse(kHeader + end + line + end);
        QCOMPARE(idsOf(table), id.isEmpty() ? QStringList() : QStringList{id});
        QCOMPARE(table.lines().size(), 1);
        if (!id.isEmpty())
            QCOMPARE(table.record(1).passwd, password);
        else
            QCOMPARE(table.lines().first().raw, line);
    }
    // The first line is the header, whatever it holds.
    QCOMPARE(UserRegistry::parse(kGuest + "\r\n").userCount(), 0);
}

void tst_Registry::rewriteKeepsOtherLinesAndSetsEveryMatch()
{
    ScratchFolder folder;
    const QByteArray ann = "ann*,a1*,2,2,2,200,70,180,90", raw = "broken line", carl = "carl*,c*, 3 ,x,1,1,1,1,1";
    folder.write(kRegistry, crlf({kHeader, kGuest, ann, "bob*,b1*,1,1,1,1,1,1,1", raw, carl, "bob*,b2*,5,1,2,9,9,9,9"}));
    UserTable table;
    QVERIFY(UserRegistry::read(folder.file(kRegistry), &table, nullptr));

    const UserSettings bob{"bob", 3, 2, 2, 126, 68, 144, 72};
    QVERIFY(UserRegistry::rewrite(folder.file(kRegistry), table, bob, nullptr));
    QCOMPARE(folder.read(kRegistry), crlf({kHeader, kGuest, ann, "bob*,b1*,3,2,2,126,68,144,72", raw, carl,
                                          "bob*,b2*,3,2,2,126,68,144,72"}));
    QCOMPARE(UserRegistry::settingsOf(table.record(5)), bob);
}

void tst_Registry::failedRewriteKeepsFileAndTable()
{
    ScratchFolder folder;
    const QByteArray before = crlf({kHeader, kGuest, "bob*,b1*,1,1,1,120,80,120,80"});
    folder.write(kRegistry, before);
    UserTable table = UserRegistry::parse(before);

    TextFiles::testing::failNextCommit();
    QString error;
    QVERIFY(!UserRegistry::rewrite(folder.file(kRegistry), table, UserSettings{"bob", 2, 2, 2, 1, 1, 1, 1}, &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(folder.read(kRegistry), before);
    QCOMPARE(table.records(), UserRegistry::parse(before).records());
}

void tst_Registry::append_data()
{
    QTest::addColumn<QByteArray>("before");  // null: no file
    QTest::addColumn<QByteArray>("after");

    const QByteArray ann = "Ann*,0042*,1,1,1,120,80,120,80";
    QTest::newRow("after default content") << crlf({kHeader, kGuest}) << crlf({kHeader, kGuest, ann});
    QTest::newRow("unfinished last line") << kHeader + "\r\n" + kGuest << crlf({kHeader, kGuest, ann});
    QTest::newRow("empty file gets a header") << QByteArray("") << crlf({kHeader, ann});
    QTest::newRow("no file, nothing written") << QByteArray() << QByteArray();
}

void tst_Registry::append()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);

    ScratchFolder folder;
    if (!before.isNull())
        folder.write(kRegistry, before);
    QString error;
    QCOMPARE(UserRegistry::append(folder.file(kRegistry), "Ann", "0042", &error), !after.isNull());
    QCOMPARE(error.isEmpty(), !after.isNull());
    QCOMPARE(folder.exists(kRegistry), !after.isNull());
    QCOMPARE(folder.read(kRegistry), after);
}

void tst_Registry::fieldConversion_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("value");  // 120 is the fallback for Max

    QTest::newRow("plain") << "126" << 126;
    QTest::newRow("spaces") << " 130 " << 130;
    QTest::newRow("leading zeros") << "0090" << 90;
    QTest::newRow("half down to even") << "2.5" << 2;
    QTest::newRow("half up to even") << "3.5" << 4;
    QTest::newRow("negative half") << "-2.5" << -2;
    QTest::newRow("above half") << "2.51" << 3;
    QTest::newRow("highest") << "32767" << 32767;
    QTest::newRow("lowest") << "-32768" << -32768;
    QTest::newRow("too high") << "32768" << 120;
    QTest::newRow("too low") << "-32769" << 120;
    QTest::newRow("rounds out of range") << "32767.5" << 120;
    QTest::newRow("huge") << "1e300" << 120;
    QTest::newRow("letters") << "abc" << 120;
    QTest::newRow("trailing letters") << "12ab" << 120;
    QTest::newRow("empty") << "" << 120;
    QTest::newRow("nan") << "nan" << 120;
    QTest::newRow("inf") << "inf" << 120;
}

void tst_Registry::fieldConversion()
{
    QFETCH(QString, field);
    QFETCH(int, value);

    QCOMPARE(UserRegistry::settingsOf({"u", "p", "5", "2", "2", field, "61", "181", "71"}),
             (UserSettings{"u", 5, 2, 2, value, 61, 181, 71}));
    // Each field falls back to its own new-user value.
    QCOMPARE(UserRegistry::settingsOf({"u", "p", "x", "x", "x", "x", "x", "x", "x"}),
             (UserSettings{"u", 1, 1, 1, 120, 80, 120, 80}));
}

void tst_Registry::idRules_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<bool>("accepted");

    for (const char *bad : {"../outside", "a/b", "a\\b", "a..b", "c:x", "a*", "who?", "say\"hi", "a<b", "a>b",
                            "a|b", "smith,john", "a\tb", "a\nb", "a\rb", "a\x7f" "b", " ann", "ann ", ".ann",
                            "ann.", "CON", "prn", "Aux", "nul.txt", "COM1", "com9", "lpt1.log", "con.txt",
                            "DXRegister", "dxregister"})
        QTest::newRow(QByteArray(bad).toPercentEncoding(" .,:*?\"<>|/\\").constData()) << QString::fromLatin1(bad) << false;
    QTest::newRow("too long") << QString(300, QLatin1Char('a')) << false;
    for (const char *good : {"Guest", "ann smith", "ann.smith", "console", "COM10", "DXRegister2", "0007"})
        QTest::newRow(good) << QString::fromLatin1(good) << true;
}

void tst_Registry::idRules()
{
    QFETCH(QString, id);
    QFETCH(bool, accepted);

    ScratchFolder folder;
    folder.write(kRegistry, UserRegistry::defaultContent());
    const AddUserOutcome outcome = AddUser::add(folder.path(), id, "pw", "pw");
    QCOMPARE(outcome.ok, accepted);
    if (accepted) {
        QCOMPARE(outcome.message, "Add New User [" + id + "] Successfully !!");
        QCOMPARE(folder.read(kRegistry), UserRegistry::defaultContent() + (id + "*,pw*,1,1,1,120,80,120,80\r\n").toLocal8Bit());
        QCOMPARE(idsOf(UserRegistry::parse(folder.read(kRegistry))).last(), id);
    } else {
        QVERIFY2(outcome.message.startsWith("User ID [" + id + "] cannot be used: ") && outcome.message.endsWith('.'),
                 qPrintable(outcome.message));
        QCOMPARE(folder.read(kRegistry), UserRegistry::defaultContent());
    }
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList{kRegistry});
}

void tst_Registry::passwordRules_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("comma") << "a,b" << false;
    QTest::newRow("carriage return") << "a\rb" << false;
    QTest::newRow("line feed") << "a\nb" << false;
    QTest::newRow("ends with the mark") << "pw*" << true;
    QTest::newRow("spaces") << " p w " << true;
    QTest::newRow("digits") << "0099" << true;
}

void tst_Registry::passwordRules()
{
    QFETCH(QString, password);
    QFETCH(bool, accepted);

    ScratchFolder folder;
    folder.write(kRegistry, UserRegistry::defaultContent());
    const AddUserOutcome outcome = AddUser::add(folder.path(), "Ann", password, password);
    QCOMPARE(outcome.ok, accepted);
    QCOMPARE(outcome.clearPasswords, !accepted);
    UserTable table;
    QVERIFY(UserRegistry::read(folder.file(kRegistry), &table, nullptr));
    QCOMPARE(table.userCount(), accepted ? 2 : 1);
    if (accepted)
        QCOMPARE(table.record(2).passwd, password);
}

QTEST_GUILESS_MAIN(tst_Registry)
#include "tst_registry.moc"
