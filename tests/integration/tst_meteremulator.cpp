// The emulated meter's records files. Its line is run by the real downloads.

#include "meter-emulator/RecordList.h"

#include <QTest>

class MeterEmulatorTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void recordFile_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("result");  // both answers of each record, or the error
        const QByteArray record = "300 3 14 9 30 1\n";
        QTest::newRow("comments, blank lines, tabs, CR LF, fields at their widest")
            << QByteArray("# glucose month day hour minute event\r\n300 3 14 9 30 1   # after lunch\r\n\r\n"
                          "\t1023  15\t31 31 63 1\n")
            << "2C35AA5E72AA FFF7AAFFFFAA";
        QTest::newRow("255 records") << record.repeated(255) << QStringList(255, "2C35AA5E72AA").join(u' ');
        QTest::newRow("256 records") << record.repeated(256) << "line 256: the meter holds at most 255 records";
        QTest::newRow("not a number") << QByteArray("120 March 14 9 30 1") << "line 1: month must be a whole number 0..15";
    }
    void recordFile()
    {
        QFETCH(QByteArray, text);
        const RecordList::ParseResult result = RecordList::parse(text);
        QStringList halves;
        for (const MeterRecord &r : result.records)
            halves << QString::fromLatin1((RecordHalves::first(r) + RecordHalves::second(r)).toHex().toUpper());
        QTEST(result.error.isEmpty() ? halves.join(u' ') : result.error, "result");
    }
};

QTEST_GUILESS_MAIN(MeterEmulatorTest)
#include "tst_meteremulator.moc"
