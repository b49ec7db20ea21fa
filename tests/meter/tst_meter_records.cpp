// Record halves, year inference, and merging a download into the reading file.

#include "common/FailingCommit.h"
#include "common/Readings.h"
#include "common/TestData.h"

#include "meter/ReadingMerge.h"
#include "meter/RecordCodec.h"
#include "store/ReadingFile.h"

#include <QSignalSpy>
#include <QTest>

namespace {

using Readings = QList<Reading>;
const QDateTime kNow(QDate(2024, 1, 5), QTime(10, 0));

// Meter records 1..5, newest first, with the year a download at kNow gives them.
const Readings kMeter = {at(2024, 1, 4, 20, 15, 140, "PC"), at(2024, 1, 4, 8, 0, 95), at(2024, 1, 3, 21, 30, 180),
                         at(2024, 1, 3, 7, 45, 88), at(2023, 12, 31, 23, 59, 101)};
// Lines of an earlier file; the first equals meter record 3.
const Reading kLine1 = at(2019, 1, 3, 21, 30, 180, "PC");
const Reading kLine2 = at(2019, 1, 2, 9, 0, 110);

// A reading file holding these lines, in file order.
QByteArray fileOf(const Readings &lines)
{
    ReadingTables tables;
    tables.readings() = Readings(lines.rbegin(), lines.rend());
    return ReadingFile::format(tables);
}

// The meter's records, merged into the store a login made of a reading file,
// and saved for a user over that file.
struct Download
{
    Download(const QByteArray &content, const Readings &meter)
        : records(meter)
    {
        for (Reading &r : records)
            r.year = 0; // the meter sends none
        folder.write("ann.txt", content);
        store.load(folder.file("ann.txt"), &error, &warning);
        warning.replace(QDir::toNativeSeparators(folder.file("ann.txt")), "%1");
    }
    bool save(bool guest = false)
    {
        const ReadingMerge::Saved saved = ReadingMerge::SaveNewData(store, guest, records, kNow);
        error = saved.error;
        notice = QString(saved.notice).replace(QDir::toNativeSeparators(folder.file("ann.txt")), "%1");
        return saved.ok;
    }
    Readings fileOrder() const
    {
        return Readings(store.tables().readings().rbegin(), store.tables().readings().rend());
    }

    Readings records;
    ScratchFolder folder;
    ReadingStore store;
    QString error, warning, notice;
};

} // namespace

class MeterRecordsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decode_data()
    {
        QTest::addColumn<QByteArray>("halves"); // b0 b1 of the first half, then of the second
        QTest::addColumn<Reading>("expected");
        QTest::newRow("300 mg/dL in March, marked; the 14th at 09:30")
            << QByteArray::fromHex("2C355E72") << at(1999, 3, 14, 9, 30, 300, "PC");
        QTest::newRow("all set, kept as sent")
            << QByteArray::fromHex("FFFFFFFF") << at(1999, 15, 31, 31, 63, 1023, "PC");
        QTest::newRow("bit 3 is no mark; high glucose bits")
            << QByteArray::fromHex("78CAFBFD") << at(1999, 12, 31, 23, 59, 632);
    }
    void decode()
    {
        QFETCH(QByteArray, halves);
        Reading r = at(1999, 7, 8, 9, 10, 11, "QC"); // what the entry held before
        RecordCodec::decodeFirstHalf(quint8(halves[0]), quint8(halves[1]), r);
        RecordCodec::decodeSecondHalf(quint8(halves[2]), quint8(halves[3]), r);
        QTEST(r, "expected");
    }

    void year_data()
    {
        QTest::addColumn<Reading>("r");
        QTest::addColumn<int>("year");
        QTest::newRow("20 December: last year") << at(0, 12, 20, 8, 0, 100) << 2023;
        QTest::newRow("5 January 10:00, this very minute") << at(0, 1, 5, 10, 0, 100) << 2024;
        QTest::newRow("5 January 10:01, one minute ahead") << at(0, 1, 5, 10, 1, 100) << 2023;
        QTest::newRow("month 13 comes last") << at(0, 13, 1, 0, 0, 100) << 2023;
    }
    void year()
    {
        QFETCH(Reading, r);
        QTEST(ReadingMerge::inferYear(r, kNow), "year");
    }

    void merge_data()
    {
        QTest::addColumn<Readings>("fileLines");
        QTest::addColumn<Readings>("meter");
        QTest::addColumn<bool>("guest");
        QTest::addColumn<Readings>("expected"); // in file order

        const Readings &m = kMeter;
        const Readings stored = {kLine1, kLine2};
        const Reading nearMiss = at(2019, 1, 3, 21, 30, 181, "PC");
        const Reading noDate = at(2024, 0, 0, 0, 0, 120);
        QTest::newRow("no match with the first line: all 5 in front")
            << Readings{nearMiss, kLine1} << m << false << m + Readings{nearMiss, kLine1};
        QTest::newRow("records 2 and 4 match: the higher counts")
            << Readings{kLine1} << Readings{m[0], m[2], m[1], m[2], m[4]} << false
            << Readings{m[0], m[2], m[1], kLine1};
        QTest::newRow("nothing new: the meter's newest is the first line")
            << Readings{m[0], m[1], kLine1} << m.mid(0, 2) << false << Readings{m[0], m[1], kLine1};
        QTest::newRow("a lone undated reading is no template row")
            << Readings{noDate} << m.mid(0, 1) << false << Readings{m[0], noDate};
        // An erased memory slot reads as all zeros, like the template row and entry 0.
        const Reading erased = at(2024, 0, 0, 0, 0, 0);
        const Readings withErased = {m[0], erased, m[2]};
        QTest::newRow("new user, record 2 erased: every record")
            << Readings{at(0, 0, 0, 0, 0, 0)} << withErased << false << withErased;
        QTest::newRow("guest, record 2 erased: every record") << stored << withErased << true << withErased;
    }
    void merge()
    {
        QFETCH(Readings, fileLines);
        QFETCH(Readings, meter);
        QFETCH(bool, guest);
        Download d(fileOf(fileLines), meter);
        QSignalSpy changed(&d.store, &ReadingStore::changed);
        FailingCommit::failNext(); // a failed rewrite leaves everything as it was
        QVERIFY(!d.save(guest));
        QVERIFY(!d.error.isEmpty());
        QCOMPARE(std::tuple(d.fileOrder(), changed.count(), folderContents(d.folder.path())),
                 std::tuple(fileLines, qsizetype(0), QMap<QString, QByteArray>{{"ann.txt", fileOf(fileLines)}}));
        QVERIFY2(d.save(guest), qPrintable(d.error));
        QTEST(d.fileOrder(), "expected");
        // A sound file is not kept beside the new one.
        QCOMPARE(
            std::pair(folderContents(d.folder.path()), changed.count()),
            std::pair(QMap<QString, QByteArray>{{"ann.txt", ReadingFile::format(d.store.tables())}}, qsizetype(1)));
    }

    // What the rewrite cannot keep as it is (a line it cannot read, a mark it
    // writes C) is kept in a copy first, and said once: at login, or at the save
    // when the file changed meanwhile. The save starts from the file on disk.
    void fileChangedOrKept_data()
    {
        QTest::addColumn<QByteArray>("atLogin");
        QTest::addColumn<QByteArray>("atSave"); // empty: unchanged
        QTest::addColumn<QString>("said");      // at login, or else at the save; %1 stands for the file
        QTest::addColumn<Readings>("expected"); // in file order; empty: nothing saved
        const QByteArray sound = fileOf({kLine2});
        const QByteArray damaged = sound
                                   + "T0002,00\xEF\xBC\x91"
                                     "42,11,18,07,15,C,04.9,2023,\r\n";
        const QByteArray typed = sound + "T0002,00142,11,18,07,15,pc,07.9,2023,2023/11/18 - 07:15\r\n";
        const Reading typedAsC = at(2023, 11, 18, 7, 15, 142);
        const QString kept = " The file will be kept unchanged as %1.bak before new readings are saved.";
        // A full-width digit is no digit.
        QTest::newRow("damaged line") << damaged << QByteArray()
                                      << "Line 3 of %1 could not be read and was skipped." + kept
                                      << Readings{kMeter[0], kMeter[1], kLine2};
        QTest::newRow("mark pc") << typed << QByteArray()
                                 << "Line 3 of %1 has the event mark \"pc\", which is saved as C." + kept
                                 << Readings{kMeter[0], kMeter[1], kLine2, typedAsC};
        QTest::newRow("line added during the download")
            << sound << fileOf({kLine1, kLine2}) << QString() << Readings{kMeter[0], kMeter[1], kLine1, kLine2};
        QTest::newRow("marks AC and pc added during the download")
            << sound << typed + "T0003,00100,11,17,07,15,AC,05.6,2023,2023/11/17 - 07:15\r\n"
            << "2 lines of %1 have event marks other than C, PC and QC, which are saved as C; the first is line 3 "
               "(\"pc\")."
                   + kept
            << Readings{kMeter[0], kMeter[1], kLine2, typedAsC, at(2023, 11, 17, 7, 15, 100)};
    }
    void fileChangedOrKept()
    {
        QFETCH(QByteArray, atLogin);
        QFETCH(QByteArray, atSave);
        QFETCH(QString, said);
        Download d(atLogin, kMeter.mid(0, 2));
        if (!atSave.isEmpty())
            d.folder.write("ann.txt", atSave);
        QVERIFY2(d.save(), qPrintable(d.error));
        QMap<QString, QByteArray> files{{"ann.txt", fileOf(d.fileOrder())}};
        if (!said.isEmpty())
            files.insert("ann.txt.bak", atSave.isEmpty() ? atLogin : atSave);
        QCOMPARE(std::tuple(atSave.isEmpty() ? d.warning : d.notice, atSave.isEmpty() ? d.notice : d.warning,
                            folderContents(d.folder.path())),
                 std::tuple(said, QString(), files));
        QTEST(d.fileOrder(), "expected");
    }
};

QTEST_GUILESS_MAIN(MeterRecordsTest)
#include "tst_meter_records.moc"
