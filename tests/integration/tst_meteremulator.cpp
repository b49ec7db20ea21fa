// The emulated meter: record encoding, request framing, its records files,
// and what it does on its terminal with each fault.

#include "meter-emulator/MeterEmulator.h"
#include "meter-emulator/RecordList.h"

#include "common/TestData.h"

#include <QScopeGuard>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

namespace {

// Record 1: 300 mg/dL on March 14 at 09:30, marked. Records 2 and 3 hold bytes
// a cooked terminal would change (CR, XON, XOFF, LF).
const QList<MeterRecord> kRecords{
    {300, 3, 14, 9, 30, true, 0}, {0x0D, 0, 10, 0, 0x11, false, 0}, {0x13, 0, 0, 0, 0x0A, false, 0}};

} // namespace

class MeterEmulatorTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // What the meter hears and answers on its terminal: how requests are framed
    // from the bytes, and the faults whose delivery takes the terminal (timed
    // pieces, a late answer). Which answer a fault strikes is the fault plan's,
    // which the session tests drive; the line closing, the real downloads.
    void line_data()
    {
        QTest::addColumn<FaultOptions>("faults");
        QTest::addColumn<QString>("script");  // hexadecimal, one write each, stepMs apart
        // The emulator's log: ">" before what it read; one entry per read or write.
        QTest::addColumn<QString>("log");
        // Writes 40 ms apart come before a late answer; a split answer's second
        // piece, 25 ms after the first, is given room on a loaded machine.
        QTest::addColumn<int>("stepMs");
        const auto row = [](const char *tag, const FaultOptions &faults, const char *script, const char *log,
                            int stepMs = 40) { QTest::newRow(tag) << faults << script << log << stepMs; };
        row("frame in pieces, after a probe", {}, "00 55AD 02 A9", ">00 00 >55AD 54F1 >02 >A9 1150AA");
        row("garbage before a frame, a frame without its end", {}, "00 FF12A9AC01A9 AC0155AD02A9", ">00 00 >FF12A9AC01A9 2C35AA >AC0155AD02A9 54F1 1150AA");
        row("records 00, 55, AC, A9 and link frames without A5", {}, "00 AC00A9AD55A9ACACA9ADA9A9BA01A9AE00A9B5A5A9", ">00 00 >AC00A9AD55A9ACACA9ADA9A9BA01A9AE00A9B5A5A9 AA5AAA");
        row("asleep, awake, asleep again", {},
            "55 AEA5A9 00 00 55 BAA5A9 AEA5A9 AC01A9 AD01A9 AC02A9 AD02A9 AC03A9 AD03A9 AC00A9 AD04A9 B5A5A9 AC01A9 00",
            ">55 >AEA5A9 >00 00 >00 >55 54F1 >BAA5A9 AA5AAA >AEA5A9 035AAA >AC01A9 2C35AA >AD01A9 5E72AA >AC02A9 "
            "0D00AA >AD02A9 1150AA >AC03A9 1300AA >AD03A9 0A00AA >AC00A9 >AD04A9 >B5A5A9 AA5AAA >AC01A9 >00 00");
        row("record 2 split", {.split = true}, "00 AC02A9 AC02A9", ">00 00 >AC02A9 0D 00AA >AC02A9 0D00AA", 150);
        row("record 2 late", {.lateAnswer = true}, "00 AC02A9 AC02A9", ">00 00 >AC02A9 >AC02A9 0D00AA 0D00AA");
    }
    void line()
    {
        QFETCH(FaultOptions, faults);
        QFETCH(QString, script);
        QFETCH(QString, log);
        QFETCH(int, stepMs);
        ScratchFolder dir;
        MeterEmulator meter(kRecords, faults);
        QString error;
        QVERIFY2(meter.logTo(dir.file("meter.log"), &error) && meter.open(&error), qPrintable(error));
        const int fd = ::open(qPrintable(meter.devicePath()), O_RDWR | O_NOCTTY | O_NONBLOCK);
        const auto closeLater = qScopeGuard([fd] { ::close(fd); });
        QByteArray received;
        // Waits, then reads what came.
        const auto receive = [&](int ms) {
            QTest::qWait(ms);
            char buf[512];
            for (ssize_t n; (n = ::read(fd, buf, sizeof buf)) > 0;)
                received.append(buf, n);
        };
        for (const QString &request : script.split(u' ')) {
            const QByteArray bytes = QByteArray::fromHex(request.toLatin1());
            QCOMPARE(::write(fd, bytes.constData(), bytes.size()), ssize_t(bytes.size()));
            receive(stepMs);
        }
        receive(100);

        QStringList entries;
        QByteArray answered;
        for (const QByteArray &line : dir.read("meter.log").split('\n')) {
            const QByteArrayList words = line.simplified().split(' ');
            if (words.size() < 2 || line.startsWith('#'))
                continue;
            const QByteArray entry = words.mid(1).join();  // e.g. "inAC02A9", "out0D00AA"
            if (entry.startsWith("out"))
                answered += QByteArray::fromHex(entry.mid(3));
            entries << QString::fromLatin1(entry.startsWith("in") ? '>' + entry.mid(2) : entry.mid(3));
        }
        QCOMPARE(entries.join(u' '), log);
        QCOMPARE(received, answered);  // every byte unchanged by the terminal
    }

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
