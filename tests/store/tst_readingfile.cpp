#include "platform/TextFiles.h"
#include "common/TestData.h"
#include "store/ReadingFile.h"
#include "store/ui/frmReadOldData.h"

#include <QDir>
#include <QLabel>
#include <QTest>

#include <climits>

namespace {

const QByteArray kHeader = "Test_No,Glucose,Month,Day,Hour,Minute,Event,Glucose_mmol,Year,Date & Time";
const QByteArray kNewFile = kHeader + "\r\nT0000,00000,00,00,00,00,0000,00000,0000,000000000000000000\r\n";
// Data lines without their Test_No, and the readings they hold.
const QByteArray kR1 = "00120,03,14,08,30,PC,06.7,2005,2005/03/14 - 08:30";
const QByteArray kR2 = "00095,03,15,21,05,C,05.3,2005,2005/03/15 - 21:05";
const QByteArray kR3 = "00310,12,31,23,59,QC,17.2,2004,2004/12/31 - 23:59";
const Reading r1{3, 14, 8, 30, 120, 2005, "PC"};
const Reading r2{3, 15, 21, 5, 95, 2005, "C"};
const Reading r3{12, 31, 23, 59, 310, 2004, "QC"};

// A reading file with its data lines numbered from first.
QByteArray numbered(const QList<QByteArray> &rows, int first = 1)
{
    QList<QByteArray> lines{kHeader};
    for (const QByteArray &row : rows)
        lines << "T" + QByteArray::number(first++).rightJustified(4, '0') + "," + row;
    return crlf(lines);
}

} // namespace

class ReadingFileTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void newFileAndReadingForm()
    {
        QCOMPARE(ReadingFile::newFileContent(), kNewFile);
        ScratchFolder dir;
        dir.write("anna.txt", numbered({kR1, kR2}));
        QString error;
        QVERIFY(ReadingFile::create(dir.file("anna.txt"), &error));
        QCOMPARE(dir.read("anna.txt"), kNewFile);

        frmReadOldData form;  // shown while the file loads at login
        const auto *label = form.findChild<QLabel *>(QStringLiteral("Label1"));
        QCOMPARE(label ? label->text() : QString(), QStringLiteral("Reading..."));
        QCOMPARE(form.windowTitle(), QStringLiteral("Reading..."));
    }

    void formatLine_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<Reading>("r");
        QTest::addColumn<QByteArray>("line");
        // Stored events become the file's marks; mmol/L is rounded half away from zero.
        const auto add = [](const char *event, int glucose, QByteArray mg, QByteArray mark, QByteArray mmol) {
            QTest::addRow("event \"%s\", %d mg/dL", event, glucose) << 1 << Reading{3, 14, 8, 30, glucose, 2005, event}
                << "T0001," + mg + ",03,14,08,30," + mark + "," + mmol + ",2005,2005/03/14 - 08:30";
        };
        add("1", 120, "00120", "PC", "06.7");
        add("0", 5, "00005", "C", "00.3");
        add("", 600, "00600", "C", "33.3");
        add("C", 9, "00009", "C", "00.5");
        add("PC", 8, "00008", "PC", "00.4");
        add("QC", 1, "00001", "QC", "00.1");
        add("2", 1800, "01800", "QC", "100.0");
        add("X", -1, "-00001", "C", "-00.1");
        add("0000", 310, "00310", "C", "17.2");
        QTest::newRow("wide values are not cut") << 123456 << Reading{123, 456, 789, 100, 123456, 12345, "C"}
            << QByteArray("T123456,123456,123,456,789,100,C,6858.7,12345,12345/123/456 - 789:100");
        QTest::newRow("extreme ints") << INT_MAX << Reading{1, 1, 1, 1, INT_MIN, INT_MAX, "C"}
            << QByteArray("T2147483647,-2147483648,01,01,01,01,C,-119304647.1,2147483647,2147483647/01/01 - 01:01");
    }
    void formatLine()
    {
        QFETCH(int, row);
        QFETCH(Reading, r);
        QTEST(ReadingFile::formatLine(row, r), "line");
    }

    void load_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QList<Reading>>("readings");  // reading-table order: last line first
        QTest::addColumn<QString>("warning");          // %1 stands for the file
        const QString kept = " The file will be kept unchanged as %1.bak before new readings are saved.";
        const QString two = "2 lines of %1 could not be read and were skipped; the first is line 3." + kept;
        const QByteArray l1 = "T0001," + kR1, l2 = "T0002," + kR2;
        QTest::newRow("new file") << kNewFile << QList{Reading{0, 0, 0, 0, 0, 0, "0000"}} << QString();
        QTest::newRow("CR LF") << numbered({kR1, kR2, kR3}) << QList{r3, r2, r1} << QString();
        QTest::newRow("LF") << kHeader + "\n" + l1 + "\n" + l2 + "\n" << QList{r2, r1} << QString();
        QTest::newRow("CR, then CR LF") << kHeader + "\r" + l1 + "\r\n" + l2 << QList{r2, r1} << QString();
        QTest::newRow("mixed, last line unended") << kHeader + "\r\n" + l1 + "\n" + l2 << QList{r2, r1} << QString();
        QTest::newRow("blank lines") << kHeader + "\r\n\r\n" + l1 + "\n\n" << QList{r1} << QString();
        QTest::newRow("odd values") << crlf({kHeader, "T1,-2147483648,-3,99,-0,+7,QC,x,2147483647,y"})
                                    << QList{Reading{-3, 99, 0, 7, INT_MIN, INT_MAX, "QC"}} << QString();
        // Only Test_No, Glucose_mmol and Date & Time may hold anything.
        const QByteArray good = "x,00095,03,15,21,05,C,?,2005,";
        for (const char *bad : {"T,95,3,15,21,5,C,,2005", "T,95,3,15,21,5,C,,2005,,", "T,9a,3,15,21,5,C,,2005,",
                                "T,95,,15,21,5,C,,2005,", "T,95,3, 15,21,5,C,,2005,",
                                "T,95,3,15,21,5,C,,2147483648,", "T,-2147483649,3,15,21,5,C,,2005,"})
            QTest::addRow("%s", bad) << crlf({kHeader, l1, bad, good, "also bad"}) << QList{r2, r1} << two;

        ReadingTables many;  // a lifetime of readings
        for (int i = 0; i < 100000; ++i)
            many.readings().append({i % 12 + 1, i % 31 + 1, i % 24, i % 60, i % 1024, 2000 + i / 10000,
                                    i % 3 ? "C" : "PC"});
        QTest::newRow("100 000 readings") << ReadingFile::format(many) << many.readings() << QString();
    }
    void load()
    {
        QFETCH(QByteArray, content);
        QFETCH(QList<Reading>, readings);
        QFETCH(QString, warning);
        ScratchFolder dir;
        const QString path = dir.file("anna.txt");
        dir.write("anna.txt", content);

        const auto result = ReadingFile::load(path);
        QVERIFY2(result.ok, qPrintable(result.error));
        QCOMPARE(result.tables.readings(), readings);
        QCOMPARE(result.tables.downloads(), QList<Reading>(readings.crbegin(), readings.crend()));
        warning.replace("%1", QDir::toNativeSeparators(path));
        QCOMPARE(ReadingFile::skippedLinesWarning(path, result), warning);
        QCOMPARE(result.tables.keepOriginalBeforeRewrite(), !warning.isEmpty());
    }

    void rewrite_data()
    {
        QTest::addColumn<QByteArray>("original");
        QTest::addColumn<QList<QByteArray>>("rows");  // data lines written, without Test_No
        QTest::addColumn<bool>("keepsOriginal");
        QTest::newRow("renumbered") << numbered({kR1, kR2, kR3}, 5) << QList{kR1, kR2, kR3} << false;
        QTest::newRow("unreadable line") << crlf({kHeader, "T0001," + kR1, "T0002,oops", "T0003," + kR2})
                                         << QList{kR1, kR2} << true;
    }
    void rewrite()
    {
        QFETCH(QByteArray, original);
        QFETCH(QList<QByteArray>, rows);
        QFETCH(bool, keepsOriginal);
        ScratchFolder dir;
        const QString path = dir.file("anna.txt");
        dir.write("anna.txt", original);
        auto result = ReadingFile::load(path);
        const QDateTime now(QDate(2005, 3, 14), QTime(8, 30));
        const auto files = [&dir] { return QDir(dir.path()).entryList(QDir::Files, QDir::Name); };

        // A failed write changes nothing.
        QString error;
        TextFiles::testing::failNextCommit();
        QVERIFY(!ReadingFile::CreateAfile(path, result.tables, now, &error));
        QVERIFY2(error.contains(QDir::toNativeSeparators(path)), qPrintable(error));
        QCOMPARE(dir.read("anna.txt"), original);
        const QStringList kept = keepsOriginal ? QStringList{"anna.txt", "anna.txt.bak"} : QStringList{"anna.txt"};
        QCOMPARE(files(), kept);

        QVERIFY2(ReadingFile::CreateAfile(path, result.tables, now, &error), qPrintable(error));
        QCOMPARE(dir.read("anna.txt"), numbered(rows));
        // A second download in the same login must not replace the kept original.
        result.tables.readingAt(result.tables.count() + 1) = r3;
        QVERIFY2(ReadingFile::CreateAfile(path, result.tables, now, &error), qPrintable(error));
        QCOMPARE(dir.read("anna.txt"), numbered(QList{kR3} + rows));
        QCOMPARE(std::pair(files(), dir.read("anna.txt.bak")), std::pair(kept, keepsOriginal ? original : QByteArray()));

        // Nor may a later damaged load: its copy gets the moment in its name.
        const QByteArray later = original + "T0009,oops\r\n";
        dir.write("anna.txt", later);
        result = ReadingFile::load(path);
        QVERIFY2(ReadingFile::CreateAfile(path, result.tables, now, &error), qPrintable(error));
        QCOMPARE(std::tuple(files(), dir.read("anna.txt.bak"), dir.read("anna.txt.20050314-083000.bak")),
                 std::tuple(keepsOriginal ? QStringList{"anna.txt", "anna.txt.20050314-083000.bak", "anna.txt.bak"}
                                          : QStringList{"anna.txt", "anna.txt.bak"},
                            keepsOriginal ? original : later, keepsOriginal ? later : QByteArray()));
    }

    void unreadableFileFails()
    {
        ScratchFolder dir;
        const QString path = dir.file("anna.txt");
        for (int attempt = 0; attempt < 2; ++attempt) {  // missing, then a folder in its place
            const auto result = ReadingFile::load(path);
            QVERIFY2(!result.ok && result.error.contains(QDir::toNativeSeparators(path)), qPrintable(result.error));
            QVERIFY(QDir(dir.path()).mkpath("anna.txt"));
        }
    }
};

QTEST_MAIN(ReadingFileTest)
#include "tst_readingfile.moc"
