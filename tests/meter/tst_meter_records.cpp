// Record halves, year inference, merging a download into the reading table and
// saving it.

#include "common/TestData.h"

#include "app/TextFiles.h"
#include "meter/ReadingMerge.h"
#include "meter/RecordCodec.h"

#include <QTest>

namespace {

const QDateTime kNow(QDate(2024, 1, 5), QTime(10, 0));

Reading record(int month, int day, int hour, int minute, int glucose, const QString &event = QStringLiteral("0"))
{
    Reading r;
    r.month = month;
    r.day = day;
    r.hour = hour;
    r.minute = minute;
    r.glucose = glucose;
    r.event = event;
    return r;
}

Reading stored(const Reading &r, int year)
{
    Reading s = r;
    s.year = year;
    return s;
}

// Tables as login leaves them: the file's lines in the download table (file
// order) and reversed in the reading table.
ReadingTables loaded(const QList<Reading> &fileLines)
{
    ReadingTables t;
    t.downloads() = fileLines;
    t.readings() = QList<Reading>(fileLines.rbegin(), fileLines.rend());
    return t;
}

ReadingTables newUserTables()
{
    return loaded({Reading{0, 0, 0, 0, 0, 0, QStringLiteral("0000")}});
}

// Puts meter records 1..n into the download table as a download does.
void receive(ReadingTables &t, const QList<Reading> &meterRecords)
{
    for (int k = 1; k <= meterRecords.size(); ++k)
        t.downloadAt(k) = meterRecords.at(k - 1);
}

// The readings in file order: what the rewritten file lists, first line first.
QList<Reading> fileOrder(const ReadingTables &t)
{
    return QList<Reading>(t.readings().rbegin(), t.readings().rend());
}

QList<Reading> fiveMeterRecords()
{
    return {record(1, 4, 20, 15, 140, "1"), record(1, 4, 8, 0, 95), record(1, 3, 21, 30, 180),
            record(1, 3, 7, 45, 88), record(12, 31, 23, 59, 101)};
}

const QList<Reading> kOldLines = {stored(record(1, 3, 21, 30, 180, "PC"), 2019),
                                  stored(record(1, 2, 9, 0, 110, "C"), 2019)};

} // namespace

class tst_MeterRecords : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstHalf_data();
    void firstHalf();
    void secondHalf_data();
    void secondHalf();
    void halvesFillTheirOwnFieldsOnly();

    void year_data();
    void year();

    void newUserGetsTheRecordsInPlaceOfTheTemplateRow();
    void recordsBelowTheMatchGoInFront();
    void noMatchPutsEveryRecordInFront();
    void matchNeedsTheSameGlucose();
    void severalMatchesKeepTheHighestNumberedOne();
    void recordEqualToAnOlderLineIsAddedAgain();
    void singleRealReadingIsNotTakenForTheTemplateRow();
    void downloadEntriesPastTheMeterCountAreLeftAlone();
    void emptyDownloadChangesNothing();

    void guestKeepsOnlyTheDownload();
    void savedFileListsMeterRecordsFirst();
    void failedRewriteLeavesTablesAndFileAsTheyWere();
    void largeTableGrows();
};

void tst_MeterRecords::firstHalf_data()
{
    QTest::addColumn<int>("b0");
    QTest::addColumn<int>("b1");
    QTest::addColumn<int>("glucose");
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("event");

    QTest::newRow("300 mg/dL, March, marked") << 0x2C << 0x35 << 300 << 3 << "1";
    QTest::newRow("all clear") << 0x00 << 0x00 << 0 << 0 << "0";
    QTest::newRow("all set") << 0xFF << 0xFF << 1023 << 15 << "1";
    QTest::newRow("bit 3 carries nothing") << 0x78 << 0xC8 << 120 << 12 << "0";
    QTest::newRow("high glucose bits") << 0x58 << 0x12 << 600 << 1 << "0";
}

void tst_MeterRecords::firstHalf()
{
    QFETCH(int, b0);
    QFETCH(int, b1);
    Reading r;
    RecordCodec::decodeFirstHalf(quint8(b0), quint8(b1), r);
    QTEST(r.glucose, "glucose");
    QTEST(r.month, "month");
    QTEST(r.event, "event");
}

void tst_MeterRecords::secondHalf_data()
{
    QTest::addColumn<int>("b0");
    QTest::addColumn<int>("b1");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");

    QTest::newRow("14th 09:30") << 0x5E << 0x72 << 14 << 9 << 30;
    QTest::newRow("all clear") << 0x00 << 0x00 << 0 << 0 << 0;
    QTest::newRow("impossible values as sent") << 0xFF << 0xFF << 31 << 31 << 63;
    QTest::newRow("23:59 on the 31st") << 0xFB << 0xFD << 31 << 23 << 59;
}

void tst_MeterRecords::secondHalf()
{
    QFETCH(int, b0);
    QFETCH(int, b1);
    Reading r;
    RecordCodec::decodeSecondHalf(quint8(b0), quint8(b1), r);
    QTEST(r.day, "day");
    QTEST(r.hour, "hour");
    QTEST(r.minute, "minute");
}

void tst_MeterRecords::halvesFillTheirOwnFieldsOnly()
{
    Reading r = stored(record(7, 8, 9, 10, 11, QStringLiteral("QC")), 1999);
    RecordCodec::decodeFirstHalf(0x2C, 0x35, r);
    QCOMPARE(r, stored(record(3, 8, 9, 10, 300, QStringLiteral("1")), 1999));
    RecordCodec::decodeSecondHalf(0x5E, 0x72, r);
    QCOMPARE(r, stored(record(3, 14, 9, 30, 300, QStringLiteral("1")), 1999));
}

void tst_MeterRecords::year_data()
{
    QTest::addColumn<Reading>("r");
    QTest::addColumn<int>("year");

    QTest::newRow("20 December: last year") << record(12, 20, 8, 0, 100) << 2023;
    QTest::newRow("this very minute") << record(1, 5, 10, 0, 100) << 2024;
    QTest::newRow("one minute ahead") << record(1, 5, 10, 1, 100) << 2023;
    QTest::newRow("earlier today") << record(1, 5, 9, 59, 100) << 2024;
    QTest::newRow("1 January") << record(1, 1, 0, 0, 100) << 2024;
    QTest::newRow("month 0 comes first") << record(0, 0, 0, 0, 100) << 2024;
    QTest::newRow("month 13 comes last") << record(13, 1, 0, 0, 100) << 2023;
}

void tst_MeterRecords::year()
{
    QFETCH(Reading, r);
    QTEST(ReadingMerge::inferYear(r, kNow), "year");
}

void tst_MeterRecords::newUserGetsTheRecordsInPlaceOfTheTemplateRow()
{
    ReadingTables t = newUserTables();
    const QList<Reading> meter = {record(1, 4, 7, 0, 120, "1"), record(1, 3, 7, 0, 130),
                                  record(12, 30, 22, 15, 140)};
    receive(t, meter);
    ReadingMerge::NewOldCutCombin(t, 3, kNow);

    QCOMPARE(t.count(), 3);
    QCOMPARE(fileOrder(t), (QList<Reading>{stored(meter[0], 2024), stored(meter[1], 2024),
                                           stored(meter[2], 2023)}));
}

void tst_MeterRecords::recordsBelowTheMatchGoInFront()
{
    // The previous file's first line equals meter record 3 of 5.
    ReadingTables t = loaded(kOldLines);
    const QList<Reading> meter = fiveMeterRecords();
    receive(t, meter);
    ReadingMerge::NewOldCutCombin(t, 5, kNow);

    QCOMPARE(t.count(), 4);
    QCOMPARE(fileOrder(t), (QList<Reading>{stored(meter[0], 2024), stored(meter[1], 2024),
                                           kOldLines[0], kOldLines[1]}));
}

void tst_MeterRecords::noMatchPutsEveryRecordInFront()
{
    ReadingTables t = loaded({stored(record(1, 1, 6, 0, 99, "C"), 2024)});
    const QList<Reading> meter = fiveMeterRecords();
    receive(t, meter);
    ReadingMerge::NewOldCutCombin(t, 5, kNow);

    QCOMPARE(t.count(), 6);
    const QList<Reading> lines = fileOrder(t);
    for (int k = 0; k < 5; ++k)
        QCOMPARE(lines[k].glucose, meter[k].glucose);
    QCOMPARE(lines[4].year, 2023);
    QCOMPARE(lines[5], stored(record(1, 1, 6, 0, 99, "C"), 2024));
}

void tst_MeterRecords::matchNeedsTheSameGlucose()
{
    QList<Reading> old = kOldLines;
    old[0].glucose = 181;
    ReadingTables t = loaded(old);
    receive(t, fiveMeterRecords());
    ReadingMerge::NewOldCutCombin(t, 5, kNow);
    QCOMPARE(t.count(), 7);
}

void tst_MeterRecords::severalMatchesKeepTheHighestNumberedOne()
{
    // Records 2 and 4 both equal the first line: only records from 4 on count
    // as stored, so 1 to 3 are added.
    QList<Reading> meter = fiveMeterRecords();
    meter[1] = record(1, 3, 21, 30, 180);
    meter[2] = record(1, 3, 12, 0, 150);
    meter[3] = record(1, 3, 21, 30, 180, "1");
    ReadingTables t = loaded(kOldLines);
    receive(t, meter);
    ReadingMerge::NewOldCutCombin(t, 5, kNow);

    QCOMPARE(t.count(), 5);
    QCOMPARE(fileOrder(t).mid(0, 3), (QList<Reading>{stored(meter[0], 2024), stored(meter[1], 2024),
                                                     stored(meter[2], 2024)}));
}

void tst_MeterRecords::recordEqualToAnOlderLineIsAddedAgain()
{
    QList<Reading> meter = fiveMeterRecords();
    meter[2] = record(1, 2, 9, 0, 110);  // equals the file's second line only
    ReadingTables t = loaded(kOldLines);
    receive(t, meter);
    ReadingMerge::NewOldCutCombin(t, 5, kNow);
    QCOMPARE(t.count(), 7);
}

void tst_MeterRecords::singleRealReadingIsNotTakenForTheTemplateRow()
{
    ReadingTables t = loaded({stored(record(0, 0, 0, 0, 120, "C"), 2024)});
    receive(t, {record(1, 4, 7, 0, 120)});
    ReadingMerge::NewOldCutCombin(t, 1, kNow);
    QCOMPARE(t.count(), 2);
    QCOMPARE(t.reading(1).glucose, 120);
    QCOMPARE(t.reading(1).day, 0);
}

void tst_MeterRecords::downloadEntriesPastTheMeterCountAreLeftAlone()
{
    QList<Reading> fileLines = {stored(record(5, 5, 5, 5, 55, "C"), 2020), stored(record(4, 4, 4, 4, 44, "C"), 2020),
                                stored(record(3, 3, 3, 3, 33, "C"), 2020)};
    ReadingTables t = loaded(fileLines);
    receive(t, {record(6, 1, 1, 1, 61), record(6, 2, 2, 2, 62)});
    ReadingMerge::NewOldCutCombin(t, 2, kNow);

    // The received stretch is reversed, the rest keeps what login put there.
    QCOMPARE(t.download(1).glucose, 62);
    QCOMPARE(t.download(2).glucose, 61);
    QCOMPARE(t.download(3), fileLines[2]);
}

void tst_MeterRecords::emptyDownloadChangesNothing()
{
    ReadingTables t = newUserTables();
    ReadingMerge::NewOldCutCombin(t, 0, kNow);
    QCOMPARE(t.count(), 1);
    QVERIFY(t.holdsNoReadings());
}

void tst_MeterRecords::guestKeepsOnlyTheDownload()
{
    ScratchFolder folder;
    ReadingTables t = loaded(kOldLines);
    const QList<Reading> meter = fiveMeterRecords();
    receive(t, meter);
    QString error;
    QVERIFY2(ReadingMerge::SaveNewData(t, QStringLiteral("guest"), 5, kNow, folder.file("guest.txt"), &error),
             qPrintable(error));
    QCOMPARE(t.count(), 5);
    QCOMPARE(fileOrder(t)[2], stored(meter[2], 2024));
    QCOMPARE(TextFiles::splitLines(folder.read("guest.txt")).size(), 6);

    // Only "guest" exactly starts afresh.
    ReadingTables other = loaded(kOldLines);
    receive(other, meter);
    QVERIFY(ReadingMerge::SaveNewData(other, QStringLiteral("Guest"), 5, kNow, folder.file("Guest.txt"), &error));
    QCOMPARE(other.count(), 4);
}

void tst_MeterRecords::savedFileListsMeterRecordsFirst()
{
    ScratchFolder folder;
    ReadingTables t = loaded(kOldLines);
    receive(t, {record(1, 4, 8, 30, 120, "1"), record(1, 3, 21, 30, 180)});
    QString error;
    QVERIFY2(ReadingMerge::SaveNewData(t, QStringLiteral("ann"), 2, kNow, folder.file("ann.txt"), &error),
             qPrintable(error));
    QCOMPARE(folder.read("ann.txt"),
             crlf({"Test_No,Glucose,Month,Day,Hour,Minute,Event,Glucose_mmol,Year,Date & Time",
                   "T0001,00120,01,04,08,30,PC,06.7,2024,2024/01/04 - 08:30",
                   "T0002,00180,01,03,21,30,PC,10.0,2019,2019/01/03 - 21:30",
                   "T0003,00110,01,02,09,00,C,06.1,2019,2019/01/02 - 09:00"}));
}

void tst_MeterRecords::failedRewriteLeavesTablesAndFileAsTheyWere()
{
    ScratchFolder folder;
    const QByteArray before = crlf({"old content"});
    folder.write("ann.txt", before);
    ReadingTables t = loaded(kOldLines);
    receive(t, fiveMeterRecords());
    const QList<Reading> readingsBefore = t.readings();
    const QList<Reading> downloadsBefore = t.downloads();

    TextFiles::testing::failNextCommit();
    QString error;
    QVERIFY(!ReadingMerge::SaveNewData(t, QStringLiteral("ann"), 5, kNow, folder.file("ann.txt"), &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(t.readings(), readingsBefore);
    QCOMPARE(t.downloads(), downloadsBefore);
    QCOMPARE(folder.read("ann.txt"), before);
}

void tst_MeterRecords::largeTableGrows()
{
    ScratchFolder folder;
    QList<Reading> fileLines;
    for (int i = 0; i < 100000; ++i)
        fileLines.append(stored(record(1 + i % 12, 1 + i % 28, i % 24, i % 60, 40 + i % 500, "C"), 2000 + i % 20));
    ReadingTables t = loaded(fileLines);
    QList<Reading> meter;
    for (int k = 0; k < 255; ++k)
        meter.append(record(1, 5, k % 10, k % 60, 300 + k));
    receive(t, meter);
    QString error;
    QVERIFY2(ReadingMerge::SaveNewData(t, QStringLiteral("ann"), 255, kNow, folder.file("ann.txt"), &error),
             qPrintable(error));
    QCOMPARE(t.count(), 100255);
    QCOMPARE(t.reading(100255).glucose, 300);
    QCOMPARE(t.reading(1), fileLines.last());
    QCOMPARE(TextFiles::splitLines(folder.read("ann.txt")).size(), 100256);
}

QTEST_GUILESS_MAIN(tst_MeterRecords)
#include "tst_meter_records.moc"
