// The emulated meter: record encoding, request framing, the meter's answers,
// the faults it can show, its record lists, and the pseudo-terminal it runs on.

#include "meter-emulator/FaultPlan.h"
#include "meter-emulator/MeterEmulator.h"
#include "meter-emulator/MeterModel.h"
#include "meter-emulator/RecordList.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

QByteArray bytes(const char *hexText)
{
    return QByteArray::fromHex(hexText);
}

using Requests = QList<MeterRequest>;

MeterRequest req(MeterRequest::Kind kind, int record = 0)
{
    return {kind, record};
}

QList<MeterRecord> threeRecords()
{
    return {{300, 3, 14, 9, 30, true, 0}, {95, 12, 1, 23, 59, false, 0}, {60, 1, 31, 0, 0, false, 0}};
}

// The program's side of the pseudo-terminal.
class Terminal
{
public:
    explicit Terminal(const QString &path)
        : m_fd(::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK))
    {
    }
    ~Terminal()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    bool isOpen() const { return m_fd >= 0; }
    void write(const QByteArray &b) const { QCOMPARE(::write(m_fd, b.constData(), b.size()), ssize_t(b.size())); }
    // What arrives within ms, the event loop running meanwhile.
    QByteArray readFor(int ms) const
    {
        QByteArray got;
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < ms) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            got += readNow();
        }
        return got;
    }
    QByteArray readNow() const
    {
        char buf[256];
        const ssize_t n = ::read(m_fd, buf, sizeof buf);
        // Non-blocking, so 0 is end of file: the terminal was hung up.
        m_lineGone = n == 0 || (n < 0 && errno != EAGAIN);
        return n > 0 ? QByteArray(buf, n) : QByteArray();
    }
    bool lineGone() const { return m_lineGone; }

private:
    int m_fd;
    mutable bool m_lineGone = false;
};

} // namespace

class tst_MeterEmulator : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void recordHalves_data();
    void recordHalves();

    void parser_data();
    void parser();
    void parserKeepsPartialFrameAcrossReads();

    void meterAnswers();
    void meterWithoutWakeUpStaysSilent();

    void faults_data();
    void faults();
    void noiseNeverLooksLikeAWakeUp();

    void recordFile_data();
    void recordFile();
    void recordFileHoldsAtMost255();
    void generatedRecords();

    void ptyAnswersUnchangedBytes();
    void ptySplitsAnswerOverTwoWrites();
    void ptyHangsUpAfterRecordRequests();
};

void tst_MeterEmulator::recordHalves_data()
{
    QTest::addColumn<MeterRecord>("record");
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<QByteArray>("second");

    QTest::newRow("300 mg/dL, March 14 09:30, marked") << MeterRecord{300, 3, 14, 9, 30, true, 0}
                                                        << bytes("2C35AA") << bytes("5E72AA");
    QTest::newRow("zeros") << MeterRecord{} << bytes("0000AA") << bytes("0000AA");
    QTest::newRow("every field at its widest") << MeterRecord{1023, 15, 31, 31, 63, true, 0} << bytes("FFF7AA")
                                               << bytes("FFFFAA");
    QTest::newRow("unmarked, December 31 23:59") << MeterRecord{256, 12, 31, 23, 59, false, 0}
                                                 << bytes("00C1AA") << bytes("FBFDAA");
    QTest::newRow("bits beyond a field are cut") << MeterRecord{1024 + 5, 16 + 2, 32 + 1, 32 + 4, 64 + 7, false, 0}
                                                 << bytes("0520AA") << bytes("0709AA");
}

void tst_MeterEmulator::recordHalves()
{
    QFETCH(MeterRecord, record);
    QTEST(RecordHalves::first(record), "first");
    QTEST(RecordHalves::second(record), "second");
}

void tst_MeterEmulator::parser_data()
{
    QTest::addColumn<QList<QByteArray>>("chunks");
    QTest::addColumn<Requests>("expected");
    QTest::addColumn<int>("skipped");

    using R = MeterRequest;
    QTest::newRow("whole session")
        << QList<QByteArray>{bytes("00"), bytes("55"), bytes("BAA5A9"), bytes("AEA5A9"), bytes("AC01A9"),
                             bytes("AD01A9"), bytes("B5A5A9")}
        << Requests{req(R::WakeUp), req(R::LinkProbe), req(R::LinkRequest), req(R::CountRequest),
                    req(R::FirstHalf, 1), req(R::SecondHalf, 1), req(R::Sleep)}
        << 0;
    QTest::newRow("frame split byte by byte") << QList<QByteArray>{bytes("AC"), bytes("02"), bytes("A9")}
                                              << Requests{req(R::FirstHalf, 2)} << 0;
    QTest::newRow("several requests in one read") << QList<QByteArray>{bytes("0000AC03A9AD03A9")}
                                                  << Requests{req(R::WakeUp), req(R::WakeUp), req(R::FirstHalf, 3),
                                                              req(R::SecondHalf, 3)}
                                                  << 0;
    QTest::newRow("00 and 55 as record numbers")
        << QList<QByteArray>{bytes("AC00A9AD55A9")} << Requests{req(R::FirstHalf, 0), req(R::SecondHalf, 0x55)}
        << 0;
    QTest::newRow("record numbers that look like opcodes")
        << QList<QByteArray>{bytes("ACACA9ADA9A9")}
        << Requests{req(R::FirstHalf, 0xAC), req(R::SecondHalf, 0xA9)} << 0;
    QTest::newRow("garbage before a frame") << QList<QByteArray>{bytes("FF12A9AC01A9")}
                                            << Requests{req(R::FirstHalf, 1)} << 3;
    QTest::newRow("frame without its end resynchronises on the next byte")
        << QList<QByteArray>{bytes("AC0155AD02A9")} << Requests{req(R::LinkProbe), req(R::SecondHalf, 2)} << 2;
    QTest::newRow("broken frame hides a wake-up") << QList<QByteArray>{bytes("BA00"), bytes("00")}
                                                  << Requests{req(R::WakeUp), req(R::WakeUp)} << 1;
    QTest::newRow("link frames need A5") << QList<QByteArray>{bytes("BA01A9AE00A9B5A5A9")}
                                         << Requests{req(R::Sleep)} << 6;
}

void tst_MeterEmulator::parser()
{
    QFETCH(QList<QByteArray>, chunks);
    QFETCH(Requests, expected);

    RequestParser parser;
    Requests got;
    for (const QByteArray &chunk : chunks)
        got += parser.feed(chunk);
    QCOMPARE(got, expected);
    QTEST(int(parser.skippedBytes()), "skipped");
    QVERIFY(parser.pending().isEmpty());
}

void tst_MeterEmulator::parserKeepsPartialFrameAcrossReads()
{
    RequestParser parser;
    QVERIFY(parser.feed(bytes("55AD")) == Requests{req(MeterRequest::LinkProbe)});
    QCOMPARE(parser.pending(), bytes("AD"));
    QVERIFY(parser.feed(bytes("07")).isEmpty());
    QVERIFY(parser.feed(bytes("A9")) == Requests{req(MeterRequest::SecondHalf, 7)});
}

void tst_MeterEmulator::meterAnswers()
{
    using R = MeterRequest;
    MeterModel meter(threeRecords());
    const auto exchange = [&meter](const MeterRequest &r) {
        const QByteArray answer = meter.answerTo(r);
        meter.accept(r);
        return answer;
    };

    // Asleep, only the wake-up byte gets an answer.
    QCOMPARE(exchange(req(R::LinkProbe)), QByteArray());
    QCOMPARE(exchange(req(R::CountRequest)), QByteArray());
    QCOMPARE(exchange(req(R::WakeUp)), bytes("00"));
    QVERIFY(meter.isAwake());
    QCOMPARE(exchange(req(R::WakeUp)), QByteArray());

    QCOMPARE(exchange(req(R::LinkProbe)), bytes("54F1"));
    QCOMPARE(exchange(req(R::LinkRequest)), bytes("AA5AAA"));
    QCOMPARE(exchange(req(R::CountRequest)), bytes("035AAA"));
    QCOMPARE(exchange(req(R::FirstHalf, 1)), bytes("2C35AA"));
    QCOMPARE(exchange(req(R::SecondHalf, 1)), bytes("5E72AA"));
    QCOMPARE(exchange(req(R::FirstHalf, 3)), RecordHalves::first(threeRecords().at(2)));
    QCOMPARE(exchange(req(R::FirstHalf, 0)), QByteArray());
    QCOMPARE(exchange(req(R::SecondHalf, 4)), QByteArray());

    QCOMPARE(exchange(req(R::Sleep)), bytes("AA5AAA"));
    QVERIFY(!meter.isAwake());
    QCOMPARE(exchange(req(R::FirstHalf, 1)), QByteArray());
    QCOMPARE(exchange(req(R::WakeUp)), bytes("00"));

    // A request only looked at leaves the meter as it was.
    MeterModel untouched(threeRecords());
    QCOMPARE(untouched.answerTo(req(R::WakeUp)), bytes("00"));
    QVERIFY(!untouched.isAwake());

    QCOMPARE(MeterModel(QList<MeterRecord>(255)).answerTo(req(R::WakeUp)), bytes("00"));
    MeterModel full(QList<MeterRecord>(255));
    full.accept(req(R::WakeUp));
    QCOMPARE(full.answerTo(req(R::CountRequest)), bytes("FF5AAA"));
    QCOMPARE(full.answerTo(req(R::SecondHalf, 255)), bytes("0000AA"));
}

void tst_MeterEmulator::meterWithoutWakeUpStaysSilent()
{
    MeterModel meter(threeRecords(), false);
    for (const auto kind : {MeterRequest::WakeUp, MeterRequest::LinkProbe, MeterRequest::LinkRequest}) {
        QCOMPARE(meter.answerTo(req(kind)), QByteArray());
        meter.accept(req(kind));
    }
    QVERIFY(!meter.isAwake());
}

void tst_MeterEmulator::faults_data()
{
    QTest::addColumn<FaultOptions>("options");
    QTest::addColumn<int>("recordCount");
    QTest::addColumn<Requests>("requests");
    QTest::addColumn<QString>("deliveries");  // one letter per request: Whole Drop Split Double Late HangUp

    using R = MeterRequest;
    const Requests session{req(R::WakeUp),        req(R::WakeUp),        req(R::LinkProbe),
                           req(R::LinkRequest),   req(R::CountRequest),  req(R::FirstHalf, 1),
                           req(R::FirstHalf, 2),  req(R::FirstHalf, 2),  req(R::FirstHalf, 3),
                           req(R::FirstHalf, 3),  req(R::SecondHalf, 1), req(R::SecondHalf, 3),
                           req(R::SecondHalf, 3), req(R::Sleep)};
    FaultOptions none;
    QTest::newRow("no faults") << none << 3 << session << "WWWWWWWWWWWWWW";
    FaultOptions dropFirst;
    dropFirst.dropFirst = true;
    QTest::newRow("drop first of each distinct request") << dropFirst << 3 << session << "DWDDDDDWDWDDWD";
    FaultOptions dropLast;
    dropLast.dropLast = true;
    QTest::newRow("drop first answer to the last record of each pass") << dropLast << 3 << session
                                                                       << "WWWWWWWWDWWDWW";
    FaultOptions split;
    split.split = true;
    QTest::newRow("split first answer for record 2") << split << 3 << session << "WWWWWWSWWWWWWW";
    QTest::newRow("split record 1 of a one-record meter")
        << split << 1 << Requests{req(R::FirstHalf, 1), req(R::FirstHalf, 1), req(R::SecondHalf, 1)} << "SWW";
    FaultOptions twice;
    twice.doubleAnswer = true;
    QTest::newRow("double first answer for record 2") << twice << 3 << session << "WWWWWWXWWWWWWW";
    FaultOptions late;
    late.lateAnswer = true;
    QTest::newRow("late first answer for record 2") << late << 3 << session << "WWWWWWLWWWWWWW";
    FaultOptions hangup;
    hangup.hangupAfter = 2;
    QTest::newRow("hang up after two record requests") << hangup << 3 << session << "WWWWWWWHHHHHHW";
    hangup.hangupAfter = 0;
    QTest::newRow("hang up at the first record request") << hangup << 3 << session << "WWWWWHHHHHHHHW";
}

void tst_MeterEmulator::faults()
{
    QFETCH(FaultOptions, options);
    QFETCH(int, recordCount);
    QFETCH(Requests, requests);

    FaultPlan plan(options, recordCount, 1);
    QString got;
    for (const MeterRequest &r : requests) {
        switch (plan.decide(r).delivery) {
        case FaultPlan::Delivery::Whole: got += u'W'; break;
        case FaultPlan::Delivery::Drop: got += u'D'; break;
        case FaultPlan::Delivery::Split: got += u'S'; break;
        case FaultPlan::Delivery::Double: got += u'X'; break;
        case FaultPlan::Delivery::Late: got += u'L'; break;
        case FaultPlan::Delivery::HangUp: got += u'H'; break;
        }
    }
    QTEST(got, "deliveries");
}

void tst_MeterEmulator::noiseNeverLooksLikeAWakeUp()
{
    FaultOptions noise;
    noise.noise = true;
    FaultPlan plan(noise, 255, 7);
    int strays = 0;
    for (int k = 1; k <= 255; ++k) {
        const FaultPlan::Decision d = plan.decide(req(MeterRequest::FirstHalf, k));
        QCOMPARE(d.delivery, FaultPlan::Delivery::Whole);
        if (d.strayByteAfter) {
            ++strays;
            QVERIFY(d.strayByte != 0);
        }
    }
    QCOMPARE(strays, 255 / FaultPlan::kNoisePeriod);
}

void tst_MeterEmulator::recordFile_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QList<MeterRecord>>("expected");
    QTest::addColumn<QString>("error");

    QTest::newRow("records, comments, blank lines, tabs and CR LF")
        << QByteArray("# glucose month day hour minute event\r\n"
                      "300 3 14 9 30 1   # after lunch\r\n"
                      "\r\n"
                      "\t95  12\t1 23 59 0\n")
        << QList<MeterRecord>{{300, 3, 14, 9, 30, true, 0}, {95, 12, 1, 23, 59, false, 0}} << QString();
    QTest::newRow("empty file") << QByteArray("# nothing stored\n") << QList<MeterRecord>{} << QString();
    QTest::newRow("impossible date the meter can hold")
        << QByteArray("1023 15 0 31 63 0") << QList<MeterRecord>{{1023, 15, 0, 31, 63, false, 0}} << QString();
    QTest::newRow("too few fields") << QByteArray("120 3 14 9 30 1\n120 3 14 9 30\n") << QList<MeterRecord>{}
                                    << "line 2: expected 6 numbers (glucose month day hour minute event), got 5";
    QTest::newRow("glucose too high") << QByteArray("1024 3 14 9 30 1") << QList<MeterRecord>{}
                                      << "line 1: glucose must be a whole number 0..1023";
    QTest::newRow("negative minute") << QByteArray("\n\n120 3 14 9 -1 1") << QList<MeterRecord>{}
                                     << "line 3: minute must be a whole number 0..63";
    QTest::newRow("not a number") << QByteArray("120 March 14 9 30 1") << QList<MeterRecord>{}
                                  << "line 1: month must be a whole number 0..15";
    QTest::newRow("event other than 0 or 1") << QByteArray("120 3 14 9 30 PC") << QList<MeterRecord>{}
                                             << "line 1: event must be 0 or 1";
}

void tst_MeterEmulator::recordFile()
{
    QFETCH(QByteArray, text);
    const RecordList::ParseResult result = RecordList::parse(text);
    QTEST(result.error, "error");
    if (result.error.isEmpty())
        QTEST(result.records, "expected");
}

void tst_MeterEmulator::recordFileHoldsAtMost255()
{
    QByteArray text;
    for (int i = 0; i < 255; ++i)
        text += "120 3 14 9 30 1\n";
    QCOMPARE(RecordList::parse(text).records.size(), 255);
    QCOMPARE(RecordList::parse(text + "120 3 14 9 30 1\n").error,
             QStringLiteral("line 256: the meter holds at most 255 records"));

    QTemporaryDir dir;
    QCOMPARE(RecordList::readFile(dir.filePath("missing.txt")).error.left(13), QStringLiteral("cannot read /"));
}

void tst_MeterEmulator::generatedRecords()
{
    // Early on New Year's Day, so the readings cross into the previous year.
    const QDateTime now(QDate(2024, 1, 2), QTime(7, 15, 42));
    const QList<MeterRecord> records = RecordList::generate(255, 42, now);
    QCOMPARE(records.size(), 255);
    QCOMPARE(RecordList::generate(255, 42, now), records);
    QVERIFY(RecordList::generate(255, 43, now) != records);
    QVERIFY(RecordList::generate(0, 42, now).isEmpty());

    int marked = 0;
    QDateTime previous = now;
    for (const MeterRecord &r : records) {
        const QDateTime at(QDate(r.year, r.month, r.day), QTime(r.hour, r.minute));
        QVERIFY2(at.isValid(), "a real date and time");
        QVERIFY2(at < previous.addSecs(-60), "newest first, whole minutes apart, before now");
        QVERIFY(r.glucose >= 60 && r.glucose <= 300);
        marked += r.event;
        previous = at;
    }
    QVERIFY2(marked > 255 / 6 && marked < 255 / 2, "some readings are marked, most are not");
    QCOMPARE(records.last().year, 2023);
    QVERIFY2(now.daysTo(previous) > -100, "recent: weeks, not years");
}

void tst_MeterEmulator::ptyAnswersUnchangedBytes()
{
    // Bytes a cooked terminal would change: CR, LF, XON, XOFF, DEL, Ctrl-C.
    const QList<MeterRecord> records{{0x0D, 0, 10, 0, 0x11, false, 0}, {0x13, 0, 0, 0, 0x0A, false, 0}};
    MeterEmulator meter(records, {});
    QTemporaryDir dir;
    QVERIFY(meter.logTo(dir.filePath("bytes.log"), nullptr));
    QString error;
    QVERIFY2(meter.open(&error), qPrintable(error));
    QVERIFY(meter.devicePath().startsWith(QLatin1String("/dev/")));

    Terminal program(meter.devicePath());
    QVERIFY(program.isOpen());
    program.write(bytes("55"));  // asleep: no answer
    QCOMPARE(program.readFor(50), QByteArray());
    program.write(bytes("00"));
    QCOMPARE(program.readFor(50), bytes("00"));
    program.write(bytes("BAA5"));
    program.write(bytes("A9AEA5A9"));
    QCOMPARE(program.readFor(50), bytes("AA5AAA025AAA"));
    program.write(bytes("AC01A9AD01A9AC02A9AD02A9"));
    QCOMPARE(program.readFor(50), bytes("0D00AA1150AA1300AA0A00AA"));

    QFile log(dir.filePath("bytes.log"));
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = log.readAll().split('\n');
    QVERIFY(lines.size() > 8);
    QVERIFY(lines.at(1).endsWith(" in  55"));
    QVERIFY(lines.at(2).endsWith(" in  00"));
    QVERIFY(lines.at(3).endsWith(" out 00"));
    QVERIFY(lines.at(1).trimmed().split(' ').first().toDouble() > 0);
    QVERIFY(log.readAll().isEmpty());
}

void tst_MeterEmulator::ptySplitsAnswerOverTwoWrites()
{
    FaultOptions split;
    split.split = true;
    MeterEmulator meter(threeRecords(), split);
    QVERIFY(meter.open(nullptr));
    Terminal program(meter.devicePath());
    program.write(bytes("00BAA5A9AEA5A9AC01A9"));
    QCOMPARE(program.readFor(30), bytes("00AA5AAA035AAA") + RecordHalves::first(threeRecords().at(0)));

    const QByteArray whole = RecordHalves::first(threeRecords().at(1));
    program.write(bytes("AC02A9"));
    QCOMPARE(program.readFor(MeterEmulator::kSplitGapMs / 2), whole.left(1));
    QCOMPARE(program.readFor(MeterEmulator::kSplitGapMs * 2), whole.mid(1));
    program.write(bytes("AC02A9"));
    QCOMPARE(program.readFor(10), whole);
}

void tst_MeterEmulator::ptyHangsUpAfterRecordRequests()
{
    FaultOptions hangup;
    hangup.hangupAfter = 1;
    MeterEmulator meter(threeRecords(), hangup);
    QSignalSpy hungUp(&meter, &MeterEmulator::hungUp);
    QVERIFY(meter.open(nullptr));
    Terminal program(meter.devicePath());
    program.write(bytes("00BAA5A9AEA5A9AC01A9"));
    QCOMPARE(program.readFor(30).size(), 1 + 3 + 3 + 3);
    QVERIFY(!program.lineGone());
    QCOMPARE(hungUp.count(), 0);

    program.write(bytes("AC02A9"));
    QTRY_COMPARE(hungUp.count(), 1);
    QVERIFY(!meter.isOpen());
    QCOMPARE(program.readNow(), QByteArray());
    QVERIFY2(program.lineGone(), "the program sees the line go");
    meter.hangUp();
    QCOMPARE(hungUp.count(), 1);
}

QTEST_GUILESS_MAIN(tst_MeterEmulator)
#include "tst_meteremulator.moc"
