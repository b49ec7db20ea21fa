#include "app/TextFiles.h"
#include "common/TestData.h"
#include "store/ReadingFile.h"

#include <QDir>
#include <QTest>

#include <limits>

using ReadingFile::LoadResult;

// Lets QCOMPARE show the readings that differ.
char *toString(const Reading &r)
{
    return QTest::toString(QStringLiteral("%1 mg/dL %2-%3-%4 %5:%6 \"%7\"")
                               .arg(r.glucose).arg(r.year).arg(r.month).arg(r.day)
                               .arg(r.hour).arg(r.minute).arg(r.event));
}

namespace {

constexpr int kMax = std::numeric_limits<int>::max();
constexpr int kMin = std::numeric_limits<int>::min();
const QByteArray kHeader = "Test_No,Glucose,Month,Day,Hour,Minute,Event,Glucose_mmol,Year,Date & Time";
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

class TestReadingFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void newFile()
    {
        const QByteArray expected =
            "Test_No,Glucose,Month,Day,Hour,Minute,Event,Glucose_mmol,Year,Date & Time\r\n"
            "T0000,00000,00,00,00,00,0000,00000,0000,000000000000000000\r\n";
        QCOMPARE(ReadingFile::newFileContent(), expected);

        ScratchFolder dir;
        dir.write("anna.txt", numbered({kR1, kR2}));
        QString error;
        QVERIFY(ReadingFile::create(dir.file("anna.txt"), &error));
        QCOMPARE(dir.read("anna.txt"), expected);

        const LoadResult result = ReadingFile::load(dir.file("anna.txt"));
        QVERIFY(result.ok);
        QCOMPARE(result.tables.readings(), (QList{Reading{0, 0, 0, 0, 0, 0, "0000"}}));
        QVERIFY(result.tables.holdsNoReadings());
    }

    void formatLine_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<Reading>("r");
        QTest::addColumn<QByteArray>("line");
        const QByteArray tail = ",2005,2005/03/14 - 08:30";
        const char *events[][2] = {{"1", "PC"}, {"0", "C"}, {"", "C"}, {"C", "C"}, {"PC", "PC"},
                                   {"QC", "QC"}, {"2", "QC"}, {"X", "C"}, {"0000", "C"}, {"pc", "C"}};
        for (const auto &e : events)
            QTest::addRow("event \"%s\"", e[0]) << 1 << Reading{3, 14, 8, 30, 120, 2005, e[0]}
                << "T0001,00120,03,14,08,30," + QByteArray(e[1]) + ",06.7" + tail;
        QTest::newRow("glucose 5") << 2 << Reading{3, 14, 8, 30, 5, 2005, "C"}
                                   << "T0002,00005,03,14,08,30,C,00.3" + tail;
        QTest::newRow("glucose 600") << 3 << Reading{3, 14, 8, 30, 600, 2005, "C"}
                                     << "T0003,00600,03,14,08,30,C,33.3" + tail;
        QTest::newRow("template row") << 1 << Reading{0, 0, 0, 0, 0, 0, "0000"}
            << QByteArray("T0001,00000,00,00,00,00,C,00.0,0000,0000/00/00 - 00:00");
        QTest::newRow("wide values are not cut") << 123456 << Reading{123, 456, 789, 100, 123456, 12345, "C"}
            << QByteArray("T123456,123456,123,456,789,100,C,6858.7,12345,12345/123/456 - 789:100");
        QTest::newRow("negative values") << 1 << Reading{-3, 1, 0, -7, -5, -1, "C"}
            << QByteArray("T0001,-00005,-03,01,00,-07,C,-00.3,-0001,-0001/-03/01 - 00:-07");
        QTest::newRow("extreme ints") << kMax << Reading{1, 1, 1, 1, kMin, kMax, "C"}
            << QByteArray("T2147483647,-2147483648,01,01,01,01,C,-119304647.1,2147483647,"
                          "2147483647/01/01 - 01:01");
    }
    void formatLine()
    {
        QFETCH(int, row);
        QFETCH(Reading, r);
        QFETCH(QByteArray, line);
        QCOMPARE(ReadingFile::formatLine(row, r), line);
    }

    void mmolText_data()
    {
        QTest::addColumn<int>("glucose");
        QTest::addColumn<QString>("text");
        QTest::newRow("exact half tenth") << 9 << "00.5";
        QTest::newRow("nearest above a half") << 1 << "00.1";
        QTest::newRow("nearest below a half") << 8 << "00.4";
        QTest::newRow("three integer digits") << 1800 << "100.0";
        QTest::newRow("negative, away from zero") << -1 << "-00.1";
        QTest::newRow("largest int") << kMax << "119304647.1";
    }
    void mmolText()
    {
        QFETCH(int, glucose);
        QFETCH(QString, text);
        QCOMPARE(ReadingFile::mmolText(glucose), text);
    }

    void load_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QList<Reading>>("readings");  // reading-table order: last line first
        QTest::addColumn<int>("skipped");
        QTest::addColumn<int>("firstSkipped");
        const QByteArray l1 = "T0001," + kR1, l2 = "T0002," + kR2;
        QTest::newRow("LF") << kHeader + "\n" + l1 + "\n" + l2 + "\n" << QList{r2, r1} << 0 << 0;
        QTest::newRow("mixed, last line unended") << kHeader + "\r\n" + l1 + "\n" + l2 << QList{r2, r1} << 0 << 0;
        QTest::newRow("blank lines") << kHeader + "\r\n\r\n" + l1 + "\n\n" << QList{r1} << 0 << 0;
        QTest::newRow("header only") << kHeader << QList<Reading>{} << 0 << 0;
        QTest::newRow("empty file") << QByteArray() << QList<Reading>{} << 0 << 0;
        QTest::newRow("unread columns hold anything") << crlf({kHeader, "x,00095,03,15,21,05,C,?,2005,"})
                                                      << QList{r2} << 0 << 0;
        QTest::newRow("odd values") << crlf({kHeader, "T1,-2147483648,-3,99,-0,+7,QC,x,2147483647,y"})
                                    << QList{Reading{-3, 99, 0, 7, kMin, kMax, "QC"}} << 0 << 0;
        QTest::newRow("first line a reading") << crlf({l2, l1}) << QList{r1} << 1 << 1;
        const char *bad[] = {
            "T0002,00120,03,14,08,30,C,06.7,2005",         // nine fields
            "T0002,00120,03,14,08,30,C,06.7,2005,x,2005", // eleven fields
            "T0002,0012a,03,14,08,30,C,06.7,2005,x",
            "T0002,00120,,14,08,30,C,06.7,2005,x",
            "T0002,00120,03,14.0,08,30,C,06.7,2005,x",
            "T0002,00120,03,14, 8,30,C,06.7,2005,x",
            "T0002,00120,03,14,08,-,C,06.7,2005,x",
            "T0002,00120,03,14,08,30,C,06.7,2147483648,x",
            "T0002,-2147483649,03,14,08,30,C,06.7,2005,x",
        };
        for (const char *line : bad)
            QTest::addRow("%s", line) << crlf({kHeader, l1, line, l2, "also bad"}) << QList{r2, r1} << 2 << 3;
    }
    void load()
    {
        QFETCH(QByteArray, content);
        QFETCH(QList<Reading>, readings);
        QFETCH(int, skipped);
        QFETCH(int, firstSkipped);
        ScratchFolder dir;
        dir.write("u.txt", content);

        const LoadResult result = ReadingFile::load(dir.file("u.txt"));
        QVERIFY2(result.ok, qPrintable(result.error));
        QCOMPARE(result.tables.readings(), readings);
        QCOMPARE(result.tables.downloads(), QList<Reading>(readings.crbegin(), readings.crend()));
        QCOMPARE(result.skippedLines, skipped);
        QCOMPARE(result.firstSkippedLine, firstSkipped);
        QCOMPARE(result.tables.keepOriginalBeforeRewrite(), skipped > 0);
    }

    void rewriteRenumbersAndKeepsOrder()
    {
        ScratchFolder dir;
        dir.write("anna.txt", numbered({kR1, kR2, kR3}, 5));
        LoadResult result = ReadingFile::load(dir.file("anna.txt"));
        QCOMPARE(result.tables.readings(), (QList{r3, r2, r1}));

        QString error;
        QVERIFY2(ReadingFile::CreateAfile(dir.file("anna.txt"), result.tables, &error), qPrintable(error));
        QCOMPARE(dir.read("anna.txt"), numbered({kR1, kR2, kR3}));
        QVERIFY(!dir.exists("anna.txt.bak"));
    }

    void originalKeptOnceBeforeFirstRewrite()
    {
        ScratchFolder dir;
        const QByteArray original = crlf({kHeader, "T0001," + kR1, "T0002,oops", "T0003," + kR2});
        dir.write("anna.txt", original);
        LoadResult result = ReadingFile::load(dir.file("anna.txt"));

        QString error;
        QVERIFY2(ReadingFile::CreateAfile(dir.file("anna.txt"), result.tables, &error), qPrintable(error));
        QCOMPARE(dir.read("anna.txt.bak"), original);
        QCOMPARE(dir.read("anna.txt"), numbered({kR1, kR2}));

        // A second download in the same login must not replace the kept original.
        result.tables.readingAt(3) = r3;
        QVERIFY2(ReadingFile::CreateAfile(dir.file("anna.txt"), result.tables, &error), qPrintable(error));
        QCOMPARE(dir.read("anna.txt.bak"), original);
        QCOMPARE(dir.read("anna.txt"), numbered({kR3, kR1, kR2}));
    }

    void failedWriteLeavesFileUnchanged_data()
    {
        QTest::addColumn<QByteArray>("original");
        QTest::addColumn<QString>("failing");
        QTest::newRow("rewrite") << numbered({kR1, kR2}) << "anna.txt";
        QTest::newRow("keeping the original") << crlf({kHeader, "T0001," + kR1, "broken"}) << "anna.txt.bak";
    }
    void failedWriteLeavesFileUnchanged()
    {
        QFETCH(QByteArray, original);
        QFETCH(QString, failing);
        ScratchFolder dir;
        dir.write("anna.txt", original);
        LoadResult result = ReadingFile::load(dir.file("anna.txt"));
        result.tables.readingAt(result.tables.count() + 1) = r3;

        QString error;
        TextFiles::testing::failNextCommit();
        QVERIFY(!ReadingFile::CreateAfile(dir.file("anna.txt"), result.tables, &error));
        QVERIFY2(error.contains(QDir::toNativeSeparators(dir.file(failing))), qPrintable(error));
        QCOMPARE(dir.read("anna.txt"), original);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"anna.txt"});

        // Trying again still keeps the original first when lines were skipped.
        QVERIFY2(ReadingFile::CreateAfile(dir.file("anna.txt"), result.tables, &error), qPrintable(error));
        QCOMPARE(dir.exists("anna.txt.bak"), result.skippedLines > 0);
        if (result.skippedLines > 0)
            QCOMPARE(dir.read("anna.txt.bak"), original);
    }

    void unreadableFileFails()
    {
        ScratchFolder dir;
        const QString path = dir.file("anna.txt");
        for (int attempt = 0; attempt < 2; ++attempt) {  // missing, then a folder in its place
            const LoadResult result = ReadingFile::load(path);
            QVERIFY(!result.ok);
            QVERIFY2(result.error.contains(QDir::toNativeSeparators(path)), qPrintable(result.error));
            QVERIFY(QDir(dir.path()).mkpath("anna.txt"));
        }
    }

    void skippedLinesWarning()
    {
        const QString path = QDir::tempPath() + "/anna.txt";
        const QString shown = QDir::toNativeSeparators(path);
        LoadResult result;
        QVERIFY(ReadingFile::skippedLinesWarning(path, result).isEmpty());
        result.skippedLines = 1;
        result.firstSkippedLine = 4;
        QCOMPARE(ReadingFile::skippedLinesWarning(path, result),
                 "Line 4 of " + shown + " could not be read and was skipped. The file will be kept "
                 "unchanged as " + shown + ".bak before new readings are saved.");
        result.skippedLines = 12;
        QCOMPARE(ReadingFile::skippedLinesWarning(path, result),
                 "12 lines of " + shown + " could not be read and were skipped; the first is line 4. "
                 "The file will be kept unchanged as " + shown + ".bak before new readings are saved.");
    }

    void hundredThousandReadings()
    {
        constexpr int n = 100000;
        ReadingTables tables;
        for (int i = 0; i < n; ++i)
            tables.readings().append({i % 12 + 1, i % 31 + 1, i % 24, i % 60, i % 1024, 2000 + i / 10000,
                                      i % 3 ? "C" : "PC"});
        ScratchFolder dir;
        QString error;
        QVERIFY2(ReadingFile::CreateAfile(dir.file("big.txt"), tables, &error), qPrintable(error));

        const LoadResult result = ReadingFile::load(dir.file("big.txt"));
        QCOMPARE(result.tables.count(), n);
        QCOMPARE(result.tables.reading(1), tables.reading(1));
        QCOMPARE(result.tables.reading(n), tables.reading(n));
        QCOMPARE(result.tables.download(1), tables.reading(n));
        QCOMPARE(result.tables.readings(), tables.readings());
    }
};

QTEST_GUILESS_MAIN(TestReadingFile)
#include "tst_readingfile.moc"
