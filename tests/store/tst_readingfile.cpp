#include "common/FailingCommit.h"
#include "common/Readings.h"
#include "common/TestData.h"
#include "reports/DataListModel.h"
#include "store/ReadingStore.h"

#include <QDir>
#include <QTest>

#include <cerrno>
#include <climits>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

const QByteArray kHeader = "Test_No,Glucose,Month,Day,Hour,Minute,Event,Glucose_mmol,Year,Date & Time";
const QByteArray kNewFile = kHeader + "\r\nT0000,00000,00,00,00,00,0000,00000,0000,000000000000000000\r\n";
// Data lines without their Test_No, and the readings they hold.
const QByteArray kR1 = "00120,03,14,08,30,PC,06.7,2005,2005/03/14 - 08:30";
const QByteArray kR2 = "00095,03,15,21,05,C,05.3,2005,2005/03/15 - 21:05";
const QByteArray kR3 = "00310,12,31,23,59,QC,17.2,2004,2004/12/31 - 23:59";
const Reading r1{3, 14, 8, 30, 120, 2005, EventMark::PC};
const Reading r2{3, 15, 21, 5, 95, 2005, EventMark::C};
const Reading r3{12, 31, 23, 59, 310, 2004, EventMark::QC};

// A reading file with its data lines numbered from first.
QByteArray numbered(const QList<QByteArray> &rows, int first = 1)
{
    QList<QByteArray> lines{kHeader};
    for (const QByteArray &row : rows)
        lines << "T" + QByteArray::number(first++).rightJustified(4, '0') + "," + row;
    return crlf(lines);
}

// The data list's rows, each as the line its cells make.
QList<QByteArray> listed(const ReadingStore &store)
{
    const DataListModel list(store, DataListModel::captions(GlucoseUnit::MgPerDl), false);
    QList<QByteArray> rows(list.rowCount());
    for (int r = 0; r < list.rowCount(); ++r)
        for (int c = 0; c < list.columnCount(); ++c)
            rows[r] += (c ? "," : "") + list.index(r, c).data().toString().toLocal8Bit();
    return rows;
}

} // namespace

class ReadingFileTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A reading's line as the file holds it.
    void formatLine_data()
    {
        QTest::addColumn<Reading>("r");
        QTest::addColumn<QByteArray>("line");
        // Stored events become the file's marks; mmol/L is rounded half away from zero.
        const auto add = [](const char *event, int glucose, QByteArray mg, QByteArray mark, QByteArray mmol) {
            QTest::addRow("event \"%s\", %d mg/dL", event, glucose)
                << Reading{3, 14, 8, 30, glucose, 2005, ReadingTexts::eventMark(event)}
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
        QTest::newRow("wide values are not cut")
            << Reading{123, 456, 789, 100, 123456, 12345}
            << QByteArray("T0001,123456,123,456,789,100,C,6858.7,12345,12345/123/456 - 789:100");
        QTest::newRow("extreme ints")
            << Reading{1, 1, 1, 1, INT_MIN, INT_MAX}
            << QByteArray("T0001,-2147483648,01,01,01,01,C,-119304647.1,2147483647,2147483647/01/01 - 01:01");
    }
    void formatLine()
    {
        QFETCH(Reading, r);
        QTEST(ReadingFile::format(table({r})).split('\n').at(1).chopped(1), "line");
    }

    // Every kind of file, through the store: the readings every page counts
    // and the data list's rows, which are the same lines.
    void load_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QList<Reading>>("readings"); // reading-table order: last line first
        QTest::addColumn<QList<QByteArray>>("rows");  // the data list's, in file order
        QTest::addColumn<QString>("warning");         // %1 stands for the file
        const QString kept = " The file will be kept unchanged as %1.bak before new readings are saved.";
        const QString two = "2 lines of %1 could not be read and were skipped; the first is line 3." + kept;
        const QByteArray l1 = "T0001," + kR1, l2 = "T0002," + kR2, l3 = "T0003," + kR3;
        QTest::newRow("new file") << kNewFile << QList{Reading{}} << QList<QByteArray>{ReadingFile::kTemplateRow}
                                  << QString();
        QTest::newRow("empty") << QByteArray() << QList<Reading>() << QList<QByteArray>() << QString();
        QTest::newRow("CR LF") << numbered({kR1, kR2, kR3}) << QList{r3, r2, r1} << QList{l1, l2, l3} << QString();
        QTest::newRow("lone CR") << kHeader + "\r" + l1 + "\r" + l2 + "\r" << QList{r2, r1} << QList{l1, l2}
                                 << QString();
        QTest::newRow("a lone CR in CR LF")
            << kHeader + "\r\n" + l1 + "\r" + l2 + "\r\n" + l3 << QList{r3, r2, r1} << QList{l1, l2, l3} << QString();
        QTest::newRow("blank lines") << kHeader + "\r\n\r\n" + l1 + "\n\n" << QList{r1} << QList{l1} << QString();
        QTest::newRow("byte-order mark") << "\xEF\xBB\xBF" + crlf({kHeader, l1}) << QList{r1} << QList{l1} << QString();
        QTest::newRow("no header") << crlf({l1, l2}) << QList{r2, r1} << QList{l1, l2} << QString();
        const QByteArray odd = "T1,-2147483648,-3,99,-0,+7,X,x,2147483647,y";
        QTest::newRow("odd values") << crlf({kHeader, odd}) << QList{Reading{-3, 99, 0, 7, INT_MIN, INT_MAX}}
                                    << QList{odd}
                                    << "Line 2 of %1 has the event mark \"X\", which is saved as C." + kept;
        // Only Test_No, Glucose_mmol and Date & Time may hold anything, and no
        // line may be longer than a reading can be.
        const QByteArray good = "x,00095,03,15,21,05,C,?,2005,";
        const QByteArray tooLong = good + QByteArray(ReadingFile::kLongestLine - good.size() + 1, ' ');
        for (const char *bad : {"T,95,3,15,21,5,C,,2005", "T,95,3,15,21,5,C,,2005,,", "T,9a,3,15,21,5,C,,2005,",
                                "T,95,,15,21,5,C,,2005,", "T,95,3, 15,21,5,C,,2005,", "T,95,3,15,21,5,C,,2147483648,",
                                "T,-2147483649,3,15,21,5,C,,2005,", tooLong.data()})
            QTest::addRow("%.40s", bad) << crlf({kHeader, l1, bad, good, "also bad"}) << QList{r2, r1}
                                        << QList{l1, good} << two;
    }
    void load()
    {
        QFETCH(QByteArray, content);
        QFETCH(QList<Reading>, readings);
        QFETCH(QList<QByteArray>, rows);
        QFETCH(QString, warning);
        ScratchFolder dir;
        const QString path = dir.file("anna.txt");
        dir.write("anna.txt", content);

        ReadingStore store;
        QString error, shown;
        QVERIFY2(store.load(path, &error, &shown), qPrintable(error));
        QCOMPARE(
            std::tuple(store.tables().readings(), listed(store), shown, store.tables().keepOriginalBeforeRewrite()),
            std::tuple(readings, rows, warning.replace("%1", QDir::toNativeSeparators(path)), !warning.isEmpty()));
    }

    // The first rewrite after a damaged load keeps the original, once. A
    // failed write changes nothing: the copy is whole or absent, and the file as
    // it was. (Renumbering and no copy of a sound file: the merge tests.)
    void rewriteKeepsTheOriginalOnce_data()
    {
        QTest::addColumn<int>("error"); // at a commit; 0: a size limit halfway through the copy
        QTest::addColumn<int>("commitsBefore");
        QTest::addColumn<QString>("failed"); // the file the error names
        QTest::addColumn<QString>("reason");
        const QString full = "no space left on the disk";
#ifdef Q_OS_WIN
        QTest::newRow("the rewrite meets a full disk") << int(ERROR_DISK_FULL) << 1 << "anna.txt" << full;
        QTest::newRow("the copy meets a full disk") << int(ERROR_DISK_FULL) << 0 << "anna.txt.bak" << full;
#else
        QTest::newRow("the rewrite fails") << EIO << 1 << "anna.txt"
                                           << "Input/output error";
        QTest::newRow("the copy meets a full disk") << ENOSPC << 0 << "anna.txt.bak" << full;
        QTest::newRow("the copy meets a size limit") << 0 << 0 << "anna.txt.bak"
                                                     << "file too large for the disk or for the limit the system sets";
#endif
    }
    void rewriteKeepsTheOriginalOnce()
    {
        QFETCH(int, error);
        QFETCH(int, commitsBefore);
        QFETCH(QString, failed);
        QFETCH(QString, reason);
        const QByteArray original = crlf({kHeader, "T0005," + kR1, "T0006,oops", "T0007," + kR2});
        ScratchFolder dir;
        const QString path = dir.file("anna.txt");
        dir.write("anna.txt", original);
        auto result = ReadingFile::load(path);
        const QDateTime now(QDate(2005, 3, 14), QTime(8, 30));
        const auto files = [&dir] { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name); };
        const QStringList kept{"anna.txt", "anna.txt.bak"};

        FailingCommit::failNext(error, commitsBefore);
        QString why;
        const auto write = [&] { return ReadingFile::CreateAfile(path, result.tables, now, &why); };
#ifdef Q_OS_UNIX
        const bool written = error ? write() : underFileSizeLimit(original.size() / 2, write);
#else
        const bool written = write();
#endif
        const bool copied = failed == "anna.txt";
        QCOMPARE(std::tuple(written, why, dir.read("anna.txt"), files(), dir.read("anna.txt.bak")),
                 std::tuple(false, "Cannot write " + QDir::toNativeSeparators(dir.file(failed)) + ": " + reason,
                            original, copied ? kept : QStringList{"anna.txt"}, copied ? original : QByteArray()));
        QVERIFY2(ReadingFile::CreateAfile(path, result.tables, now, &why), qPrintable(why));
        QCOMPARE(dir.read("anna.txt"), numbered({kR1, kR2}));
        // A second download in the same login must not replace the kept original.
        result.tables.readingAt(result.tables.count() + 1) = r3;
        QVERIFY2(ReadingFile::CreateAfile(path, result.tables, now, &why), qPrintable(why));
        QCOMPARE(std::tuple(dir.read("anna.txt"), files(), dir.read("anna.txt.bak")),
                 std::tuple(numbered({kR3, kR1, kR2}), kept, original));
    }
};

QTEST_GUILESS_MAIN(ReadingFileTest)
#include "tst_readingfile.moc"
