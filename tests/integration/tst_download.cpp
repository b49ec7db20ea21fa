// Whole downloads from the emulated meter through the real driver, its timers
// and a real serial port: the reading file afterwards, what the user is shown,
// and how the line faults end.

#include "DownloadRig.h"
#include "DownloadRun.h"

#include "app/ui/frmMain.h"
#include "common/MessageRecorder.h"
#include "meter/ui/frmMeterRead.h"
#include "store/ReadingFile.h"

#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

namespace {

const QByteArray kHeader = "Test_No,Glucose,Month,Day,Hour,Minute,Event,Glucose_mmol,Year,Date & Time\r\n";
const QByteArray kNewUserFile = kHeader + "T0000,00000,00,00,00,00,0000,00000,0000,000000000000000000\r\n";
// Older readings; glucose 5 equals no generated record, so none counts as stored.
const QByteArray kEarlierFile = kHeader
                                + "T0001,00005,11,20,07,15,C,00.3,2001,2001/11/20 - 07:15\r\n"
                                  "T0002,00142,11,19,21,40,PC,07.9,2001,2001/11/19 - 21:40\r\n";

constexpr int kSmallLimitMs = 15000;

// Whether the texts appear in this order, others allowed between them.
bool inOrder(const QStringList &seen, const QStringList &wanted)
{
    qsizetype from = 0;
    for (const QString &w : wanted) {
        from = seen.indexOf(w, from);
        if (from < 0)
            return false;
        ++from;
    }
    return true;
}

QString describe(const DownloadRun &run, const DownloadRig &rig)
{
    return QStringLiteral("labels %1; failures %2; messages %3; file:\n%4")
        .arg(run.labels.join(u'|'), run.failures.join(u'|'), run.messages.join(u'|'),
             QString::fromLatin1(rig.readingFile()));
}

} // namespace

class tst_Download : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void emptyMeterLeavesFileAlone();
    void threeRecordsGoInFrontOfEarlierReadings();
    void faultEndsCleanOrReported_data();
    void faultEndsCleanOrReported();
    void windowDownloadsAndShowsProgress();
    void windowReportsTwoAnswersInOnePoll();
};

void tst_Download::emptyMeterLeavesFileAlone()
{
    DownloadRig rig({}, {}, kNewUserFile);
    QVERIFY(rig.meterReady());
    const DownloadRun run = DownloadRun::run(rig, kSmallLimitMs);

    QVERIFY2(run.finished, qPrintable(describe(run, rig)));
    QCOMPARE(rig.readingFile(), kNewUserFile);
    QVERIFY2(inOrder(run.labels, {"Meter Wake Up...Please Wait!", "Linking...", "On Line...",
                                  "There is no new data in meter !!",
                                  "Complete! Receive ( 0 ) Data from Meter !!"}),
             qPrintable(run.labels.join(u'|')));
    QCOMPARE(run.listLines, QStringList{"Read [0] data from Meter !!"});
    QCOMPARE(run.messages, QStringList());
    const QByteArray sent = rig.bytesSent();
    QVERIFY(firstAt(sent, "AEA5A9") < firstAt(sent, "B5A5A9"));
    QCOMPARE(firstAt(sent, "AC01A9"), -1);
}

void tst_Download::threeRecordsGoInFrontOfEarlierReadings()
{
    QList<MeterRecord> records = recentRecords(3);
    records[0].glucose = 300;
    records[0].event = true;
    DownloadRig rig(records, {}, kEarlierFile);
    QVERIFY(rig.meterReady());
    const DownloadRun run = DownloadRun::run(rig, kSmallLimitMs);

    QVERIFY2(run.finished, qPrintable(describe(run, rig)));
    const QByteArray file = rig.readingFile();
    QCOMPARE(file.split('\n'), rig.cleanFile().split('\n'));
    const MeterRecord &r = records.first();
    const QString newest = QString::asprintf("T0001,00300,%02d,%02d,%02d,%02d,PC,16.7,%04d,%04d/%02d/%02d - %02d:%02d",
                                             r.month, r.day, r.hour, r.minute, r.year, r.year, r.month, r.day,
                                             r.hour, r.minute);
    const QList<QByteArray> lines = file.split('\n');
    QCOMPARE(lines.size(), 1 + 3 + 2 + 1);
    QCOMPARE(lines.at(1), newest.toLatin1() + '\r');
    QCOMPARE(lines.at(4), QByteArray("T0004,00005,11,20,07,15,C,00.3,2001,2001/11/20 - 07:15\r"));
    QCOMPARE(lines.at(5), QByteArray("T0005,00142,11,19,21,40,PC,07.9,2001,2001/11/19 - 21:40\r"));

    QVERIFY2(inOrder(run.labels, {"Meter Wake Up...Please Wait!", "Linking...", "On Line...",
                                  " ( 3 ) Data in Meter !!", "Complete! Receive ( 3 ) Data from Meter !!"}),
             qPrintable(run.labels.join(u'|')));
    QCOMPARE(run.progressMaximum, 6);
    QCOMPARE(run.progress, (QList<int>{1, 2, 3, 4, 5, 6}));
    QCOMPARE(run.listLines.last(), QStringLiteral("Read [3] data from Meter !!"));
    QCOMPARE(run.messages, QStringList());

    // The requests as they went over the line: link, count, both passes, sleep.
    const QByteArray sent = rig.bytesSent();
    const QList<qsizetype> at{firstAt(sent, "00"),     firstAt(sent, "55"),     firstAt(sent, "BAA5A9"),
                              firstAt(sent, "AEA5A9"), firstAt(sent, "AC01A9"), firstAt(sent, "AC02A9"),
                              firstAt(sent, "AC03A9"), firstAt(sent, "AD01A9"), firstAt(sent, "AD02A9"),
                              firstAt(sent, "AD03A9"), firstAt(sent, "B5A5A9")};
    for (qsizetype i = 1; i < at.size(); ++i)
        QVERIFY2(at.at(i - 1) >= 0 && at.at(i - 1) < at.at(i), qPrintable(sent.toHex(' ')));
    QVERIFY2(sent.lastIndexOf(QByteArray::fromHex("AC03A9")) < at.at(7), "no first half asked for in the second pass");
}

void tst_Download::faultEndsCleanOrReported_data()
{
    QTest::addColumn<FaultOptions>("faults");
    // Whether the fault must end in a message; otherwise a clean download will do too.
    QTest::addColumn<bool>("mustReport");
    QTest::addColumn<int>("busyMs");

    FaultOptions f;
    f.noWakeup = true;
    QTest::newRow("meter never wakes") << f << true << 0;
    f = {};
    f.dropFirst = true;
    QTest::newRow("first answer to each request lost") << f << false << 0;
    f = {};
    f.dropLast = true;
    QTest::newRow("answer to the last request of each pass lost") << f << false << 0;
    f = {};
    f.split = true;
    QTest::newRow("answer split over two reads") << f << false << 0;
    f = {};
    f.doubleAnswer = true;
    QTest::newRow("two answers in one read") << f << true << 0;
    f = {};
    f.lateAnswer = true;
    QTest::newRow("answer late, after the request was repeated") << f << false << 0;
    f = {};
    f.noise = true;
    QTest::newRow("stray bytes between answers") << f << false << 0;
    f = {};
    f.hangupAfter = 2;
    QTest::newRow("line gone in the first pass") << f << true << 0;
    f = {};
    f.hangupAfter = 4;
    QTest::newRow("line gone in the second pass") << f << true << 0;
    // Late timers send a request again before the answer to the first one is
    // read: the second answer must not be taken for the next record.
    QTest::newRow("program busy 25 ms now and then") << FaultOptions{} << false << 25;
    QTest::newRow("program busy 60 ms now and then") << FaultOptions{} << false << 60;
}

void tst_Download::faultEndsCleanOrReported()
{
    QFETCH(FaultOptions, faults);
    QFETCH(bool, mustReport);
    QFETCH(int, busyMs);

    DownloadRig rig(recentRecords(busyMs > 0 ? 8 : 3), faults, kEarlierFile);
    QVERIFY(rig.meterReady());
    const DownloadRun run = DownloadRun::run(rig, kSmallLimitMs, busyMs);

    const QByteArray file = rig.readingFile();
    const bool clean = file == rig.cleanFile() && run.failures.isEmpty() && run.messages.isEmpty();
    const bool reported = file == kEarlierFile && !run.failures.isEmpty();
    QVERIFY2(clean != reported, qPrintable(describe(run, rig)));
    if (mustReport)
        QVERIFY(reported);

    if (faults.noWakeup)
        QCOMPARE(run.labels.last(), QStringLiteral("Meter Wake Up...Failed"));
    if (faults.doubleAnswer) {
        QString bracketed;
        for (const char b : RecordHalves::first(rig.records.at(1)))
            bracketed += u'[' + QString::number(quint8(b), 16).toUpper() + u']';
        QCOMPARE(run.messages, QStringList{"Data Receiving Error! Got 6 byte--it's " + bracketed + bracketed});
    }
}

void tst_Download::windowDownloadsAndShowsProgress()
{
    MessageRecorder recorder;
    DownloadRig rig(recentRecords(3), {}, kNewUserFile);
    QVERIFY(rig.meterReady());
    frmMain frame(rig.state);
    frmMeterRead form(rig.state, frame);
    QVERIFY(form.CommandMR->isEnabled());
    QCOMPARE(form.LabelRead->text(), QStringLiteral("Reading Massage..."));

    form.CommandMR->click();
    QTRY_COMPARE_WITH_TIMEOUT(form.LabelRead->text(), QStringLiteral("Complete! Receive ( 3 ) Data from Meter !!"),
                              kSmallLimitMs);
    QCOMPARE(rig.readingFile().split('\n'), rig.cleanFile().split('\n'));
    QCOMPARE(rig.readingFile().count("\r\n"), 1 + 3);
    QCOMPARE(form.ProgressBar1->maximum(), 6);
    QCOMPARE(form.ProgressBar1->value(), 6);
    QCOMPARE(form.List3->count(), 1);
    QCOMPARE(form.List3->item(0)->text(), QStringLiteral("Read [3] data from Meter !!"));
    QCOMPARE(recorder.texts(), QStringList());
    // The merged readings are in memory for the reports, newest last.
    QCOMPARE(rig.state.tables.count(), 3);
    QCOMPARE(rig.state.tables.reading(3).glucose, rig.records.at(0).glucose);
}

void tst_Download::windowReportsTwoAnswersInOnePoll()
{
    MessageRecorder recorder;
    FaultOptions twice;
    twice.doubleAnswer = true;
    // Record 2 is 95 mg/dL in December: its first half is 5F C0 AA.
    const QList<MeterRecord> records{{120, 1, 2, 8, 0, false, 0}, {95, 12, 1, 23, 59, false, 0},
                                     {200, 11, 30, 12, 5, true, 0}};
    DownloadRig rig(records, twice, kEarlierFile);
    QVERIFY(rig.meterReady());
    frmMain frame(rig.state);
    frmMeterRead form(rig.state, frame);

    form.CommandMR->click();
    QTRY_COMPARE_WITH_TIMEOUT(recorder.messages().size(), 1, kSmallLimitMs);
    QCOMPARE(recorder.single(), QStringLiteral("Data Receiving Error! Got 6 byte--it's [5F][C0][AA][5F][C0][AA]"));
    QCOMPARE(recorder.messages().first().title, QStringLiteral("Qel"));
    QCOMPARE(form.ProgressBar1->value(), 0);
    QCOMPARE(form.List3->item(0)->text(), QStringLiteral("Read [3] data from Meter !!"));
    QTest::qWait(300);
    QCOMPARE(rig.readingFile(), kEarlierFile);
    QCOMPARE(recorder.messages().size(), 1);
}

QTEST_MAIN(tst_Download)
#include "tst_download.moc"
