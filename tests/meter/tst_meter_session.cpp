// The download session walked tick by tick against a fake wire.

#include "FakeMeterLink.h"

#include "meter/MeterSession.h"

#include <QTest>

namespace {

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

const QByteArray kWake = bytes({0x00});
const QByteArray kProbe = bytes({0x55});
const QByteArray kLinkRequest = bytes({0xBA, 0xA5, 0xA9});
const QByteArray kCountRequest = bytes({0xAE, 0xA5, 0xA9});
const QByteArray kSleep = bytes({0xB5, 0xA5, 0xA9});
const QByteArray kLinkAnswer = bytes({0xAA, 0x5A, 0xAA});

QByteArray first(int k)
{
    return bytes({0xAC, k, 0xA9});
}
QByteArray second(int k)
{
    return bytes({0xAD, k, 0xA9});
}
QByteArray countAnswer(int n)
{
    return bytes({n, 0x5A, 0xAA});
}
// Answers carrying record k: glucose 100 + k in March, marked when k is odd;
// day k at 08:k (hour 8 = 2 in the low bits of b1, times 4).
QByteArray firstHalfOf(int k)
{
    return bytes({100 + k, 0x30 | (k % 2 ? 0x04 : 0x00), 0xAA});
}
QByteArray secondHalfOf(int k)
{
    return bytes({k, (k << 3) | 2, 0xAA});
}

const char *timerName(SessionTimer t)
{
    switch (t) {
    case SessionTimer::Rt: return "TimerRt";
    case SessionTimer::OP: return "TimerOP";
    case SessionTimer::T1: return "Timer1";
    case SessionTimer::T2: return "Timer2";
    case SessionTimer::T3: return "Timer3";
    case SessionTimer::T4: return "Timer4";
    case SessionTimer::Sleep: return "TimerSleep";
    }
    return "?";
}

// A session on a fake wire, with everything it reported.
struct Rig
{
    FakeMeterLink link;
    ReadingTables tables;
    int saves = 0;
    bool saveSucceeds = true;
    MeterSession session{link, tables, [this](QString *error) {
                             ++saves;
                             if (!saveSucceeds)
                                 *error = QStringLiteral("disk full");
                             return saveSucceeds;
                         }};
    QStringList messages;
    QStringList listLines;
    QStringList failures;
    QList<int> progress;
    int finished = 0;

    Rig()
    {
        link.opened = true;
        QObject::connect(&session, &MeterSession::message, &session, [this](const QString &t) { messages << t; });
        QObject::connect(&session, &MeterSession::listLine, &session, [this](const QString &t) { listLines << t; });
        QObject::connect(&session, &MeterSession::failed, &session, [this](const QString &t) { failures << t; });
        QObject::connect(&session, &MeterSession::progressChanged, &session, [this](int v) { progress << v; });
        QObject::connect(&session, &MeterSession::finished, &session, [this] { ++finished; });
    }

    void poll(const QByteArray &arrived)
    {
        link.arrive(arrived);
        session.tick(SessionTimer::Rt);
    }
    void tick(SessionTimer timer, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            session.tick(timer);
    }
    QString timersOn() const
    {
        QStringList on;
        for (int i = 0; i < kSessionTimerCount; ++i) {
            if (session.isTimerActive(SessionTimer(i)))
                on << QLatin1String(timerName(SessionTimer(i)));
        }
        return on.join(QLatin1Char(' '));
    }
    // Start Reading and the answers up to the record count request.
    void bringOnLine()
    {
        session.start();
        poll(kWake);
        poll(bytes({0x54, 0xF1}));
        poll(kLinkAnswer);
        link.takeWritten();
    }
    // On line, the meter says it holds n records.
    void startDownload(int n)
    {
        bringOnLine();
        poll(countAnswer(n));
    }
    // One pass timer tick answered by the meter.
    void answeredTick(SessionTimer timer, const QByteArray &answer)
    {
        tick(timer);
        poll(answer);
    }
    void receiveAll(int n)
    {
        for (int k = 1; k <= n; ++k)
            answeredTick(SessionTimer::T3, firstHalfOf(k));
        for (int k = 1; k <= n; ++k)
            answeredTick(SessionTimer::T4, secondHalfOf(k));
    }
};

const QString kNothingSaved = QStringLiteral(" The download was abandoned and nothing was saved.");

} // namespace

class tst_MeterSession : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void openingSetsDtrOff();
    void startWakesTheMeter_data();
    void startWakesTheMeter();
    void startWithoutPortSaysSo();

    void wakeLabel_data();
    void wakeLabel();
    void wakeAnswerStartsTheProbe_data();
    void wakeAnswerStartsTheProbe();
    void unansweredLinkGoesBackToWaking_data();
    void unansweredLinkGoesBackToWaking();
    void wakingCannotOutliveItsLimit();
    void linkEstablishedAsksForTheCount();
    void answersOutOfStepAreIgnored_data();
    void answersOutOfStepAreIgnored();

    void emptyMeterSleepsWithoutSaving();
    void threeRecordsWalkThroughBothPasses();
    void lostAnswersAreAskedForAgain_data();
    void lostAnswersAreAskedForAgain();
    void linkAnswerDuringDownloadIsARecordHalf();
    void splitAnswerIsIgnored();

    void unansweredRequestAbandons_data();
    void unansweredRequestAbandons();
    void eachAnswerRenewsTheWaitingTime();
    void moreThanThreeBytesAbandon_data();
    void moreThanThreeBytesAbandon();
    void lostLineStopsEverything_data();
    void lostLineStopsEverything();
    void failedSaveIsNotReportedComplete();
    void restartStopsTheOldPasses();
    void stopClosesEverything();
};

void tst_MeterSession::openingSetsDtrOff()
{
    Rig rig;
    rig.link.opened = false;
    QVERIFY(rig.session.openPort());
    QVERIFY(rig.link.opened);
    QCOMPARE(rig.link.dtr, QList<bool>{false});
    QCOMPARE(rig.session.label(), QStringLiteral("Reading Massage..."));

    Rig noPort;
    noPort.link.opened = false;
    noPort.link.canOpen = false;
    QVERIFY(!noPort.session.openPort());
    QVERIFY(noPort.link.dtr.isEmpty());
}

void tst_MeterSession::startWakesTheMeter_data()
{
    QTest::addColumn<bool>("portOpen");
    QTest::addColumn<QList<bool>>("dtr");
    QTest::newRow("port open") << true << QList<bool>{true};
    QTest::newRow("port closed is reopened") << false << QList<bool>{false, true};
}

void tst_MeterSession::startWakesTheMeter()
{
    QFETCH(bool, portOpen);
    Rig rig;
    rig.link.opened = portOpen;
    rig.link.arrive(bytes({0x01, 0x02}));  // left over from an earlier press
    QVERIFY(rig.session.start());
    QVERIFY(rig.link.opened);
    QTEST(rig.link.dtr, "dtr");
    QCOMPARE(rig.link.takeWritten(), QByteArrayList{kWake});
    QCOMPARE(rig.timersOn(), QStringLiteral("TimerRt TimerOP"));
    QCOMPARE(rig.session.linkStep(), 1);
    QVERIFY(rig.link.arrivals.isEmpty());
}

void tst_MeterSession::startWithoutPortSaysSo()
{
    Rig rig;
    rig.link.opened = false;
    rig.link.canOpen = false;
    QVERIFY(!rig.session.start());
    QCOMPARE(rig.messages, QStringList{QStringLiteral("RS232 Setting Error !")});
    QCOMPARE(rig.timersOn(), QString());
    QVERIFY(rig.link.written.isEmpty());
}

void tst_MeterSession::wakeLabel_data()
{
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("stillWaking");

    QTest::newRow("1") << 1 << "Reading Massage..." << true;
    const char *waiting[] = {"Meter Wake Up...Waiting(1s)", "Meter Wake Up...Waiting(2s)",
                             "Meter Wake Up...Waiting(3s)", "Meter Wake Up...Waiting(4s)"};
    for (int s = 1; s <= 4; ++s) {
        QTest::addRow("%d", 10 * s - 1) << 10 * s - 1 << QString() << true;
        QTest::addRow("%d", 10 * s) << 10 * s << QString::fromLatin1(waiting[s - 1]) << true;
        QTest::addRow("%d", 10 * s + 1) << 10 * s + 1 << QString::fromLatin1(waiting[s - 1]) << true;
    }
    QTest::newRow("49") << 49 << QString() << true;
    QTest::newRow("50") << 50 << "Meter Wake Up...Failed" << false;
}

void tst_MeterSession::wakeLabel()
{
    QFETCH(int, ticks);
    QFETCH(bool, stillWaking);
    Rig rig;
    rig.session.start();
    rig.tick(SessionTimer::OP, ticks);
    QTEST(rig.session.label(), "label");
    QCOMPARE(rig.session.wakeTicks(), ticks);
    QCOMPARE(rig.link.takeWritten(), QByteArrayList(ticks + 1, kWake));
    QCOMPARE(rig.timersOn(), stillWaking ? QStringLiteral("TimerRt TimerOP") : QStringLiteral("TimerRt"));
    QCOMPARE(rig.failures, stillWaking ? QStringList() : QStringList{QStringLiteral("Meter Wake Up...Failed")});
}

void tst_MeterSession::wakeAnswerStartsTheProbe_data()
{
    QTest::addColumn<int>("wakeTicks");
    QTest::newRow("while waking") << 12;
    QTest::newRow("after giving up") << 50;
}

void tst_MeterSession::wakeAnswerStartsTheProbe()
{
    QFETCH(int, wakeTicks);
    Rig rig;
    rig.session.start();
    rig.tick(SessionTimer::OP, wakeTicks);
    rig.poll(kWake);
    QCOMPARE(rig.session.label(), QStringLiteral("Meter Wake Up...Please Wait!"));
    QCOMPARE(rig.timersOn(), QStringLiteral("TimerRt Timer1"));

    rig.link.takeWritten();
    rig.tick(SessionTimer::OP);  // stopped: a queued tick sends nothing
    rig.tick(SessionTimer::T1);
    QCOMPARE(rig.link.takeWritten(), QByteArrayList{kProbe});
}

void tst_MeterSession::unansweredLinkGoesBackToWaking_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<SessionTimer>("timer");
    QTest::addColumn<int>("tries");
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QString>("labelWhileTrying");

    QTest::newRow("probe") << kWake << SessionTimer::T1 << 11 << kProbe << "Meter Wake Up...Please Wait!";
    QTest::newRow("link request") << bytes({0x54, 0xF1}) << SessionTimer::T2 << 6 << kLinkRequest << "Linking...";
}

void tst_MeterSession::unansweredLinkGoesBackToWaking()
{
    QFETCH(QByteArray, answer);
    QFETCH(SessionTimer, timer);
    QFETCH(int, tries);
    QFETCH(QByteArray, request);

    Rig rig;
    rig.session.start();
    rig.tick(SessionTimer::OP, 7);
    rig.poll(kWake);
    if (timer == SessionTimer::T2)
        rig.poll(answer);
    const QString tryingTimers = rig.timersOn();
    rig.link.takeWritten();

    rig.tick(timer, tries - 1);
    QTEST(rig.session.label(), "labelWhileTrying");
    QCOMPARE(rig.timersOn(), tryingTimers);

    rig.tick(timer);
    QCOMPARE(rig.link.takeWritten(), QByteArrayList(tries, request));
    QCOMPARE(rig.session.label(), QStringLiteral("Link Testing..."));
    QCOMPARE(rig.timersOn(), QStringLiteral("TimerRt TimerOP"));
    QCOMPARE(rig.session.probeTries(), 0);
    QCOMPARE(rig.session.helloTries(), 0);

    // Waking resumes where it stopped.
    rig.tick(SessionTimer::OP);
    QCOMPARE(rig.session.wakeTicks(), 8);
    QCOMPARE(rig.link.takeWritten(), QByteArrayList{kWake});

    // A second round of tries counts from one again.
    rig.poll(kWake);
    if (timer == SessionTimer::T2)
        rig.poll(answer);
    rig.tick(timer, tries - 1);
    QCOMPARE(rig.timersOn(), tryingTimers);
}

void tst_MeterSession::wakingCannotOutliveItsLimit()
{
    // A late wake answer after giving up, then a failed probe: waking resumes
    // past the limit and must give up again instead of running for ever.
    Rig rig;
    rig.session.start();
    rig.tick(SessionTimer::OP, 50);
    rig.poll(kWake);
    rig.tick(SessionTimer::T1, 11);
    QCOMPARE(rig.timersOn(), QStringLiteral("TimerRt TimerOP"));
    rig.tick(SessionTimer::OP);
    QCOMPARE(rig.session.label(), QStringLiteral("Meter Wake Up...Failed"));
    QCOMPARE(rig.timersOn(), QStringLiteral("TimerRt"));
    QCOMPARE(rig.failures.size(), 2);
}

void tst_MeterSession::linkEstablishedAsksForTheCount()
{
    Rig rig;
    rig.session.start();
    rig.poll(kWake);
    rig.poll(bytes({0x54, 0xF1}));
    QCOMPARE(rig.session.label(), QStringLiteral("Linking..."));
    QCOMPARE(rig.timersOn(), QStringLiteral("TimerRt Timer2"));
    rig.link.takeWritten();

    rig.poll(kLinkAnswer);
    QCOMPARE(rig.session.label(), QStringLiteral("On Line..."));
    QCOMPARE(rig.session.linkStep(), 2);
    QCOMPARE(rig.timersOn(), QStringLiteral("TimerRt"));
    QCOMPARE(rig.link.takeWritten(), QByteArrayList{kCountRequest});
}

void tst_MeterSession::answersOutOfStepAreIgnored_data()
{
    QTest::addColumn<int>("answersBefore");
    QTest::addColumn<QByteArray>("arrival");

    // answersBefore: how far the meter got (0 = just started, 3 = on line).
    QTest::newRow("count while waking") << 0 << countAnswer(5);
    QTest::newRow("wrong probe answer") << 0 << bytes({0x54, 0xF2});
    QTest::newRow("wake answer on line") << 3 << kWake;
    QTest::newRow("probe answer on line") << 3 << bytes({0x54, 0xF1});
    QTest::newRow("count without its mark") << 3 << bytes({0x05, 0x5B, 0xAA});
    QTest::newRow("count without its end") << 3 << bytes({0x05, 0x5A, 0xAB});
    QTest::newRow("wake byte other than 00") << 0 << bytes({0x01});
}

void tst_MeterSession::answersOutOfStepAreIgnored()
{
    QFETCH(int, answersBefore);
    QFETCH(QByteArray, arrival);
    Rig rig;
    rig.session.start();
    const QByteArrayList answers = {kWake, bytes({0x54, 0xF1}), kLinkAnswer};
    for (int i = 0; i < answersBefore; ++i)
        rig.poll(answers[i]);
    const QString label = rig.session.label();
    const QString timers = rig.timersOn();
    const int step = rig.session.linkStep();
    rig.link.takeWritten();

    rig.poll(arrival);
    QCOMPARE(rig.session.label(), label);
    QCOMPARE(rig.timersOn(), timers);
    QCOMPARE(rig.session.linkStep(), step);
    QVERIFY(rig.link.written.isEmpty());
    QVERIFY(rig.messages.isEmpty());
}

void tst_MeterSession::emptyMeterSleepsWithoutSaving()
{
    Rig rig;
    rig.startDownload(0);
    QCOMPARE(rig.link.takeWritten(), QByteArrayList{kSleep});
    QCOMPARE(rig.session.label(), QStringLiteral("There is no new data in meter !!"));
    QCOMPARE(rig.listLines, QStringList{QStringLiteral("Read [0] data from Meter !!")});
    QCOMPARE(rig.session.linkStep(), 4);
    QCOMPARE(rig.timersOn(), QStringLiteral("TimerRt"));
    QCOMPARE(rig.finished, 0);

    rig.poll(kLinkAnswer);
    QCOMPARE(rig.session.label(), QStringLiteral("Complete! Receive ( 0 ) Data from Meter !!"));
    QCOMPARE(rig.finished, 1);
    QCOMPARE(rig.saves, 0);
    QVERIFY(rig.failures.isEmpty());
}

void tst_MeterSession::threeRecordsWalkThroughBothPasses()
{
    Rig rig;
    rig.startDownload(3);
    QCOMPARE(rig.session.label(), QStringLiteral(" ( 3 ) Data in Meter !!"));
    QCOMPARE(rig.session.meterCount(), 3);
    QCOMPARE(rig.session.linkStep(), 3);
    QCOMPARE(rig.session.progressMaximum(), 6);
    QCOMPARE(rig.session.firstIndex(), 1);
    QCOMPARE(rig.timersOn(), QStringLiteral("TimerRt Timer3"));

    for (int k = 1; k <= 3; ++k)
        rig.answeredTick(SessionTimer::T3, firstHalfOf(k));
    // The last first half switches passes at once.
    QCOMPARE(rig.session.firstIndex(), 0);
    QCOMPARE(rig.session.secondIndex(), 1);
    QCOMPARE(rig.timersOn(), QStringLiteral("TimerRt Timer4"));

    for (int k = 1; k <= 3; ++k)
        rig.answeredTick(SessionTimer::T4, secondHalfOf(k));
    QCOMPARE(rig.session.secondIndex(), 0);
    QCOMPARE(rig.timersOn(), QStringLiteral("TimerRt TimerSleep"));
    QCOMPARE(rig.saves, 0);
    QVERIFY(rig.listLines.isEmpty());

    rig.tick(SessionTimer::Sleep);
    QCOMPARE(rig.saves, 1);
    QCOMPARE(rig.session.sleepTicks(), 1);
    QCOMPARE(rig.session.linkStep(), 4);
    QCOMPARE(rig.timersOn(), QStringLiteral("TimerRt"));
    QCOMPARE(rig.listLines, QStringList{QStringLiteral("Read [3] data from Meter !!")});
    QCOMPARE(rig.link.takeWritten(), (QByteArrayList{first(1), first(2), first(3), second(1), second(2),
                                                     second(3), kSleep}));
    QCOMPARE(rig.progress, (QList<int>{1, 2, 3, 4, 5, 6}));

    for (int k = 1; k <= 3; ++k) {
        const Reading &r = rig.tables.download(k);
        QCOMPARE(r.glucose, 100 + k);
        QCOMPARE(r.month, 3);
        QCOMPARE(r.event, k % 2 ? QStringLiteral("1") : QStringLiteral("0"));
        QCOMPARE(r.day, k);
        QCOMPARE(r.hour, 8);
        QCOMPARE(r.minute, k);
    }

    rig.poll(kLinkAnswer);
    QCOMPARE(rig.session.label(), QStringLiteral("Complete! Receive ( 3 ) Data from Meter !!"));
    QCOMPARE(rig.finished, 1);
    QVERIFY(rig.messages.isEmpty());
    QVERIFY(rig.link.opened);
}

void tst_MeterSession::lostAnswersAreAskedForAgain_data()
{
    QTest::addColumn<bool>("secondPass");
    QTest::addColumn<int>("record");
    QTest::newRow("first half of record 1") << false << 1;
    QTest::newRow("first half of the last record") << false << 3;
    QTest::newRow("second half of record 2") << true << 2;
    QTest::newRow("second half of the last record") << true << 3;
}

void tst_MeterSession::lostAnswersAreAskedForAgain()
{
    QFETCH(bool, secondPass);
    QFETCH(int, record);
    const SessionTimer timer = secondPass ? SessionTimer::T4 : SessionTimer::T3;
    Rig rig;
    rig.startDownload(3);
    if (secondPass) {
        for (int k = 1; k <= 3; ++k)
            rig.answeredTick(SessionTimer::T3, firstHalfOf(k));
    }
    for (int k = 1; k < record; ++k)
        rig.answeredTick(timer, secondPass ? secondHalfOf(k) : firstHalfOf(k));
    const QString timers = rig.timersOn();
    rig.link.takeWritten();

    rig.tick(timer, 5);  // five answers lost on the way
    const QByteArray request = secondPass ? second(record) : first(record);
    QCOMPARE(rig.link.takeWritten(), QByteArrayList(5, request));
    QCOMPARE(rig.timersOn(), timers);
    QCOMPARE(rig.saves, 0);

    rig.poll(secondPass ? secondHalfOf(record) : firstHalfOf(record));
    for (int k = record + 1; k <= 3; ++k)
        rig.answeredTick(timer, secondPass ? secondHalfOf(k) : firstHalfOf(k));
    if (!secondPass) {
        for (int k = 1; k <= 3; ++k)
            rig.answeredTick(SessionTimer::T4, secondHalfOf(k));
    }
    rig.tick(SessionTimer::Sleep);
    QCOMPARE(rig.saves, 1);
    for (int k = 1; k <= 3; ++k) {
        QCOMPARE(rig.tables.download(k).glucose, 100 + k);
        QCOMPARE(rig.tables.download(k).day, k);
    }
}

void tst_MeterSession::linkAnswerDuringDownloadIsARecordHalf()
{
    Rig rig;
    rig.startDownload(1);
    rig.answeredTick(SessionTimer::T3, kLinkAnswer);
    QCOMPARE(rig.tables.download(1).glucose, 2 * 256 + 0xAA);
    QCOMPARE(rig.tables.download(1).month, 5);
    QCOMPARE(rig.tables.download(1).event, QStringLiteral("0"));
    QCOMPARE(rig.session.label(), QStringLiteral(" ( 1 ) Data in Meter !!"));
    QCOMPARE(rig.timersOn(), QStringLiteral("TimerRt Timer4"));
}

void tst_MeterSession::splitAnswerIsIgnored()
{
    Rig rig;
    rig.startDownload(2);
    rig.tick(SessionTimer::T3);
    rig.poll(firstHalfOf(1).left(2));
    rig.poll(firstHalfOf(1).mid(2));
    QCOMPARE(rig.session.firstIndex(), 1);
    QCOMPARE(rig.tables.downloadSize(), 0);
    rig.tick(SessionTimer::T3);
    QCOMPARE(rig.link.takeWritten(), (QByteArrayList{first(1), first(1)}));
    QVERIFY(rig.messages.isEmpty());
}

void tst_MeterSession::unansweredRequestAbandons_data()
{
    QTest::addColumn<bool>("secondPass");
    QTest::newRow("first pass") << false;
    QTest::newRow("second pass") << true;
}

void tst_MeterSession::unansweredRequestAbandons()
{
    QFETCH(bool, secondPass);
    const SessionTimer timer = secondPass ? SessionTimer::T4 : SessionTimer::T3;
    Rig rig;
    rig.startDownload(2);
    rig.answeredTick(SessionTimer::T3, firstHalfOf(1));
    if (secondPass)
        rig.answeredTick(SessionTimer::T3, firstHalfOf(2));
    rig.link.takeWritten();

    rig.tick(timer, 40);
    QCOMPARE(rig.link.takeWritten(), QByteArrayList(40, secondPass ? second(1) : first(2)));
    QVERIFY(rig.messages.isEmpty());

    rig.tick(timer);
    const QString expected = QStringLiteral("The meter did not answer for 2 seconds.") + kNothingSaved
        + QStringLiteral(" Check the cable and press Start Reading again.");
    QCOMPARE(rig.messages, QStringList{expected});
    QCOMPARE(rig.failures, QStringList{expected});
    QCOMPARE(rig.timersOn(), QString());
    QVERIFY(!rig.link.opened);
    QVERIFY(rig.link.written.isEmpty());
    QCOMPARE(rig.session.progress(), 0);
    QCOMPARE(rig.saves, 0);
}

void tst_MeterSession::eachAnswerRenewsTheWaitingTime()
{
    Rig rig;
    rig.startDownload(2);
    rig.tick(SessionTimer::T3, 39);
    rig.poll(firstHalfOf(1));
    rig.tick(SessionTimer::T3, 40);
    rig.poll(firstHalfOf(2));
    rig.tick(SessionTimer::T4, 40);
    QVERIFY(rig.messages.isEmpty());
    QCOMPARE(rig.timersOn(), QStringLiteral("TimerRt Timer4"));
}

void tst_MeterSession::moreThanThreeBytesAbandon_data()
{
    QTest::addColumn<int>("phase");
    QTest::addColumn<QByteArray>("arrival");
    QTest::addColumn<QString>("text");

    const QByteArray six = bytes({0xAA, 0x5A, 0x01, 0x02, 0x0F, 0xAA});
    const QString sixText = QStringLiteral("Data Receiving Error! Got 6 byte--it's [AA][5A][1][2][F][AA]");
    // phase: 0 waking, 1 first pass, 2 every record received, sleep not yet sent.
    QTest::newRow("waking") << 0 << six << sixText;
    QTest::newRow("first pass") << 1 << six << sixText;
    QTest::newRow("before the save step") << 2 << six << sixText;
    QTest::newRow("four bytes") << 1 << bytes({0x00, 0x54, 0xF1, 0x10})
                                << QStringLiteral("Data Receiving Error! Got 4 byte--it's [0][54][F1][10]");
}

void tst_MeterSession::moreThanThreeBytesAbandon()
{
    QFETCH(int, phase);
    QFETCH(QByteArray, arrival);
    QFETCH(QString, text);
    Rig rig;
    if (phase == 0) {
        rig.session.start();
        rig.tick(SessionTimer::OP, 3);
    } else {
        rig.startDownload(2);
        rig.answeredTick(SessionTimer::T3, firstHalfOf(1));
        rig.tick(SessionTimer::T3);
        if (phase == 2) {
            rig.poll(firstHalfOf(2));
            rig.answeredTick(SessionTimer::T4, secondHalfOf(1));
            rig.answeredTick(SessionTimer::T4, secondHalfOf(2));
        }
    }
    const QString label = rig.session.label();
    rig.link.takeWritten();

    rig.poll(arrival);
    QCOMPARE(rig.messages, QStringList{text});
    QCOMPARE(rig.link.takeWritten(), QByteArrayList{kSleep});
    QCOMPARE(rig.listLines.last(), QStringLiteral("Read [%1] data from Meter !!").arg(phase ? 2 : 0));
    QCOMPARE(rig.timersOn(), QString());
    QVERIFY(!rig.link.opened);
    QCOMPARE(rig.session.progress(), 0);
    QCOMPARE(rig.session.label(), label);
    rig.tick(SessionTimer::Sleep);
    QCOMPARE(rig.saves, 0);
}

void tst_MeterSession::lostLineStopsEverything_data()
{
    QTest::addColumn<int>("phase");
    QTest::addColumn<QString>("text");
    const QString lost = QStringLiteral("The connection to the meter was lost (cable pulled).");
    // phase: 0 waking, 1 second pass, 2 saved and waiting for the acknowledgement.
    QTest::newRow("waking") << 0 << lost + kNothingSaved;
    QTest::newRow("second pass") << 1 << lost + kNothingSaved;
    QTest::newRow("after the save") << 2 << lost;
}

void tst_MeterSession::lostLineStopsEverything()
{
    QFETCH(int, phase);
    Rig rig;
    if (phase == 0) {
        rig.session.start();
    } else {
        rig.startDownload(2);
        rig.answeredTick(SessionTimer::T3, firstHalfOf(1));
        rig.answeredTick(SessionTimer::T3, firstHalfOf(2));
        rig.answeredTick(SessionTimer::T4, secondHalfOf(1));
        if (phase == 2) {
            rig.answeredTick(SessionTimer::T4, secondHalfOf(2));
            rig.tick(SessionTimer::Sleep);
        }
    }
    const int savesBefore = rig.saves;

    rig.session.linkLost(QStringLiteral("cable pulled"));
    QTEST(rig.messages.value(0), "text");
    QCOMPARE(rig.messages.size(), 1);
    QCOMPARE(rig.failures.size(), 1);
    QCOMPARE(rig.timersOn(), QString());
    QVERIFY(!rig.link.opened);
    rig.tick(SessionTimer::T4);
    rig.tick(SessionTimer::Sleep);
    QCOMPARE(rig.saves, savesBefore);
}

void tst_MeterSession::failedSaveIsNotReportedComplete()
{
    Rig rig;
    rig.saveSucceeds = false;
    rig.startDownload(1);
    rig.receiveAll(1);
    rig.tick(SessionTimer::Sleep);
    QCOMPARE(rig.saves, 1);
    QCOMPARE(rig.messages, QStringList{QStringLiteral("The readings from the meter were not saved: disk full")});
    QCOMPARE(rig.failures.size(), 1);
    QCOMPARE(rig.timersOn(), QString());
    QVERIFY(!rig.link.opened);
    rig.poll(kLinkAnswer);
    QCOMPARE(rig.finished, 0);
    QVERIFY(!rig.session.label().startsWith(QStringLiteral("Complete!")));
}

void tst_MeterSession::restartStopsTheOldPasses()
{
    Rig rig;
    rig.startDownload(3);
    rig.answeredTick(SessionTimer::T3, firstHalfOf(1));
    rig.answeredTick(SessionTimer::T3, firstHalfOf(2));
    rig.link.takeWritten();

    QVERIFY(rig.session.start());
    QCOMPARE(rig.timersOn(), QStringLiteral("TimerRt TimerOP"));
    QCOMPARE(rig.session.firstIndex(), 0);
    QCOMPARE(rig.session.secondIndex(), 0);
    QCOMPARE(rig.session.wakeTicks(), 0);
    rig.tick(SessionTimer::T3);
    QCOMPARE(rig.link.takeWritten(), QByteArrayList{kWake});

    // The new download takes two records from a meter holding other values.
    rig.poll(kWake);
    rig.poll(bytes({0x54, 0xF1}));
    rig.poll(kLinkAnswer);
    rig.poll(countAnswer(2));
    rig.answeredTick(SessionTimer::T3, firstHalfOf(7));
    rig.answeredTick(SessionTimer::T3, firstHalfOf(8));
    rig.answeredTick(SessionTimer::T4, secondHalfOf(7));
    rig.answeredTick(SessionTimer::T4, secondHalfOf(8));
    rig.tick(SessionTimer::Sleep);
    QCOMPARE(rig.saves, 1);
    QCOMPARE(rig.tables.download(1).glucose, 107);
    QCOMPARE(rig.tables.download(1).day, 7);
    QCOMPARE(rig.tables.download(2).glucose, 108);
    QCOMPARE(rig.tables.download(2).day, 8);
    QCOMPARE(rig.listLines.last(), QStringLiteral("Read [2] data from Meter !!"));
}

void tst_MeterSession::stopClosesEverything()
{
    Rig rig;
    rig.startDownload(2);
    rig.session.stop();
    QCOMPARE(rig.timersOn(), QString());
    QVERIFY(!rig.link.opened);
    rig.tick(SessionTimer::T3);
    QVERIFY(rig.link.takeWritten().isEmpty());
    QVERIFY(rig.messages.isEmpty());
}

QTEST_GUILESS_MAIN(tst_MeterSession)
#include "tst_meter_session.moc"
