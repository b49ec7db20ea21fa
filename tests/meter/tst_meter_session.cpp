// The download session driven tick by tick against a fake wire.

#include "meter/MeterSession.h"

#include <QHash>
#include <QTest>

#include <utility>

namespace {

using T = SessionTimer;

const QByteArray kWake = QByteArray::fromHex("00");
const QByteArray kProbeAnswer = QByteArray::fromHex("54F1");
const QByteArray kLinkAnswer = QByteArray::fromHex("AA5AAA");
const QByteArray kSleep = QByteArray::fromHex("B5A5A9");
const char *const kTimerNames[] = {"TimerRt", "TimerOP", "Timer1", "Timer2", "Timer3", "Timer4", "TimerSleep"};
const QString kNothingSaved = QStringLiteral(" The download was abandoned and nothing was saved.");
const QString kStalled = QStringLiteral("The meter did not answer for 2 seconds.") + kNothingSaved
    + QStringLiteral(" Check the cable and press Start Reading again.");

QByteArray frame(int a, int b, int c) { return QByteArray(1, char(a)) + char(b) + char(c); }
// The requests for the first and the second half of record k.
QByteArray askFirst(int k) { return frame(0xAC, k, 0xA9); }
QByteArray askSecond(int k) { return frame(0xAD, k, 0xA9); }
// Record k as the meter answers it: 100 + k mg/dL in March, marked when k is
// odd, on the k-th at 08:k.
QByteArray answerTo(const QByteArray &request)
{
    const int k = request.at(1);
    return request == askFirst(k) ? frame(100 + k, 0x30 | (k % 2 ? 0x04 : 0), 0xAA) : frame(k, (k << 3) | 2, 0xAA);
}

// A session on a fake wire, with everything it reported. The rig is the wire:
// it keeps every write, and hands out queued arrivals one chunk per read, as
// one receive poll would see them.
struct Rig : MeterLink
{
    bool open() override { return opened = true; }
    void close() override { opened = false; }
    bool isOpen() const override { return opened; }
    void setDtr(bool on) override { dtr.append(on); }
    qint64 bytesWaiting() override { return arrivals.isEmpty() ? 0 : arrivals.first().size(); }
    QByteArray readAll() override { return arrivals.isEmpty() ? QByteArray() : arrivals.takeFirst(); }
    void write(const QByteArray &bytes) override { written.append(bytes); }
    // Everything written since the last call.
    QByteArrayList takeWritten() { return std::exchange(written, {}); }

    bool opened = true;
    QList<bool> dtr;
    QByteArrayList written, arrivals;
    ReadingTables tables;
    QString saveError;
    int saves = 0;
    MeterSession session{*this, tables, [this](QString *error) {
                             ++saves;
                             *error = saveError;
                             return saveError.isEmpty();
                         }};
    QStringList messages, listLines, failures;
    QList<int> progress;
    int finished = 0;
    QHash<QByteArray, int> lost;  // how many answers to a record request the line loses

    Rig()
    {
        QObject::connect(&session, &MeterSession::message, [this](const QString &t) { messages << t; });
        QObject::connect(&session, &MeterSession::listLine, [this](const QString &t) { listLines << t; });
        QObject::connect(&session, &MeterSession::failed, [this](const QString &t) { failures << t; });
        QObject::connect(&session, &MeterSession::progressChanged, [this](int v) { progress << v; });
        QObject::connect(&session, &MeterSession::finished, [this] { ++finished; });
    }
    void poll(const QByteArray &arrived)
    {
        arrivals << arrived;
        session.tick(T::Rt);
    }
    void tick(T timer, int times = 1)
    {
        while (times-- > 0)
            session.tick(timer);
    }
    QString timersOn() const
    {
        QStringList on;
        for (int i = 0; i < kSessionTimerCount; ++i)
            on << (session.isTimerActive(SessionTimer(i)) ? QLatin1String(kTimerNames[i]) : QLatin1String());
        return on.join(QLatin1Char(' ')).simplified();
    }
    // Start Reading; the meter wakes, links, and, unless n < 0, says it holds n records.
    void onLine(int n = -1)
    {
        session.start();
        for (const QByteArray &answer : {kWake, kProbeAnswer, kLinkAnswer})
            poll(answer);
        if (n >= 0)
            poll(frame(n, 0x5A, 0xAA));
    }
    // Ticks the running pass or sleep timer, the meter answering each record
    // request it hears, until `until` has been sent or no such timer runs.
    void download(const QByteArray &until = {})
    {
        for (int i = 0; i < 1000 && (until.isEmpty() || !written.endsWith(until)); ++i) {
            const T timer = session.isTimerActive(T::T3) ? T::T3 : session.isTimerActive(T::T4) ? T::T4 : T::Sleep;
            if (!session.isTimerActive(timer))
                return;
            const qsizetype before = written.size();
            session.tick(timer);
            if (written.size() > before && written.last() != kSleep && lost[written.last()]-- <= 0)
                arrivals << answerTo(written.last());
            session.tick(T::Rt);
        }
    }
};

enum Fault { Stall, Noise, LineLost, SaveFails };

} // namespace

class tst_MeterSession : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void wake_data()
    {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QString>("label");
        for (int s = 1; s <= 5; ++s) {
            QTest::addRow("%d", 10 * s - 1) << 10 * s - 1 << QString();
            QTest::addRow("%d", 10 * s) << 10 * s
                                        << (s < 5 ? QStringLiteral("Meter Wake Up...Waiting(%1s)").arg(s)
                                                  : QStringLiteral("Meter Wake Up...Failed"));
        }
    }
    void wake()
    {
        QFETCH(int, ticks);
        QFETCH(QString, label);
        Rig rig;
        rig.session.start();
        rig.tick(T::OP, ticks);
        QCOMPARE(rig.session.label(), label);
        QCOMPARE(rig.takeWritten(), QByteArrayList(ticks + 1, kWake));
        const bool failed = ticks == 50;
        QCOMPARE(rig.timersOn(), QLatin1String(failed ? "TimerRt" : "TimerRt TimerOP"));
        QCOMPARE(rig.failures, failed ? QStringList{label} : QStringList());
    }

    void unansweredLinkGoesBackToWaking_data()
    {
        QTest::addColumn<SessionTimer>("timer");
        QTest::addColumn<int>("tries");
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QString>("label");
        QTest::newRow("probe") << T::T1 << 11 << QByteArray::fromHex("55") << "Meter Wake Up...Please Wait!";
        QTest::newRow("link request") << T::T2 << 6 << QByteArray::fromHex("BAA5A9") << "Linking...";
    }
    void unansweredLinkGoesBackToWaking()
    {
        QFETCH(SessionTimer, timer);
        QFETCH(int, tries);
        QFETCH(QByteArray, request);
        Rig rig;
        rig.session.start();
        rig.tick(T::OP, 7);
        for (int round = 1; round <= 2; ++round) {  // the tries count afresh each round
            rig.poll(kWake);
            rig.tick(T::OP);  // already queued: sends nothing
            if (timer == T::T2)
                rig.poll(kProbeAnswer);
            rig.takeWritten();
            rig.tick(timer, tries - 1);
            QTEST(rig.session.label(), "label");
            rig.tick(timer);
            QCOMPARE(rig.takeWritten(), QByteArrayList(tries, request));
            QCOMPARE(rig.session.label(), QStringLiteral("Link Testing..."));
            QCOMPARE(rig.timersOn(), QStringLiteral("TimerRt TimerOP"));
            rig.tick(T::OP);
            QCOMPARE(rig.session.wakeTicks(), 7 + round);  // waking resumes where it stopped
        }
    }

    void download_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("lost");  // answers lost to the last request of each pass
        QTest::addColumn<QString>("label");
        QTest::newRow("empty meter") << 0 << 0 << "There is no new data in meter !!";
        QTest::newRow("three records") << 3 << 0 << " ( 3 ) Data in Meter !!";
        QTest::newRow("three records, last requests answered the 6th time") << 3 << 5 << " ( 3 ) Data in Meter !!";
    }
    void download()
    {
        QFETCH(int, n);
        QFETCH(int, lost);
        Rig rig;
        rig.onLine();
        QCOMPARE(rig.session.label(), QStringLiteral("On Line..."));
        QCOMPARE(rig.takeWritten(), (QByteArrayList{kWake, QByteArray::fromHex("AEA5A9")}));
        rig.poll(frame(n, 0x5A, 0xAA));
        QTEST(rig.session.label(), "label");
        if (n > 0)
            QCOMPARE(rig.session.progressMaximum(), 2 * n);
        QByteArrayList requests;
        QList<int> steps;
        for (auto ask : {askFirst, askSecond}) {
            rig.lost[ask(n)] = lost;
            for (int k = 1; k <= n; ++k) {
                requests << QByteArrayList(k == n ? lost + 1 : 1, ask(k));
                steps << steps.size() + 1;
            }
        }
        rig.download();
        QCOMPARE(rig.takeWritten(), requests << kSleep);
        QCOMPARE(rig.progress, steps);
        QCOMPARE(rig.listLines, QStringList{QStringLiteral("Read [%1] data from Meter !!").arg(n)});
        QCOMPARE(rig.saves, n > 0 ? 1 : 0);
        for (int k = 1; k <= n; ++k)
            QCOMPARE(rig.tables.download(k), (Reading{3, k, 8, k, 100 + k, 0, QLatin1String(k % 2 ? "1" : "0")}));
        QCOMPARE(rig.finished, 0);

        rig.poll(kLinkAnswer);
        QCOMPARE(rig.session.label(), QStringLiteral("Complete! Receive ( %1 ) Data from Meter !!").arg(n));
        QCOMPARE(rig.finished, 1);
        QVERIFY(rig.messages.isEmpty());
    }

    void linkAnswerInThePassIsARecordHalf()
    {
        Rig rig;
        rig.onLine(1);
        rig.tick(T::T3);
        rig.poll(kLinkAnswer);
        QCOMPARE(rig.tables.download(1), (Reading{5, 0, 0, 0, 2 * 256 + 0xAA, 0, QStringLiteral("0")}));
        QCOMPARE(rig.timersOn(), QStringLiteral("TimerRt Timer4"));
    }

    void abandoned_data()
    {
        QTest::addColumn<QByteArray>("at");  // the request the fault follows
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<QStringList>("messages");
        const QStringList stalled{kStalled};
        const QStringList six{QStringLiteral("Data Receiving Error! Got 6 byte--it's [AA][5A][1][2][F][AA]")};
        const QString lost = QStringLiteral("The connection to the meter was lost (cable pulled).");
        QTest::newRow("no answer for 2 s, first pass") << askFirst(2) << Stall << stalled;
        QTest::newRow("no answer for 2 s, second pass") << askSecond(2) << Stall << stalled;
        QTest::newRow("six bytes in one poll") << askFirst(1) << Noise << six;
        QTest::newRow("six bytes with every record in") << askSecond(2) << Noise << six;
        QTest::newRow("line lost, second pass") << askSecond(1) << LineLost << QStringList{lost + kNothingSaved};
        QTest::newRow("line lost after the save") << kSleep << LineLost << QStringList{lost};
        QTest::newRow("save fails") << kSleep << SaveFails
                                    << QStringList{"The readings from the meter were not saved: disk full"};
    }
    void abandoned()
    {
        QFETCH(QByteArray, at);
        QFETCH(Fault, fault);
        Rig rig;
        rig.saveError = fault == SaveFails ? QStringLiteral("disk full") : QString();
        rig.lost[askFirst(1)] = 39;  // a slow first answer renews the waiting time
        if (fault == Stall)
            rig.lost[at] = 1000;
        rig.onLine(2);
        rig.download(at);
        if (fault == Stall) {
            const T pass = at == askFirst(2) ? T::T3 : T::T4;
            rig.tick(pass, 39);
            QVERIFY(rig.messages.isEmpty());
            rig.tick(pass);
            QCOMPARE(rig.written.count(at), 40);
        } else if (fault == Noise) {
            rig.poll(QByteArray::fromHex("AA5A01020FAA"));
            QCOMPARE(rig.written.last(), kSleep);
            QCOMPARE(rig.listLines, QStringList{QStringLiteral("Read [2] data from Meter !!")});
        } else if (fault == LineLost) {
            rig.session.linkLost(QStringLiteral("cable pulled"));
        }
        QTEST(rig.messages, "messages");
        QCOMPARE(rig.failures, rig.messages);
        QCOMPARE(rig.timersOn(), QString());
        QVERIFY(!rig.opened);
        if (fault == Stall || fault == Noise)
            QCOMPARE(rig.session.progress(), 0);
        rig.tick(T::T4);
        rig.tick(T::Sleep);
        rig.poll(kLinkAnswer);
        QCOMPARE(rig.saves, at == kSleep ? 1 : 0);
        QCOMPARE(rig.finished, 0);
    }

    // Halves carry no record number: a late copy of an answer to a repeated
    // request must never be stored as the next record.
    void lateCopyOfARepeatedAnswerIsDropped()
    {
        Rig rig;
        rig.onLine(3);
        rig.tick(T::T3, 2);  // AC 01 A9 asked twice
        rig.poll(answerTo(askFirst(1)));
        rig.poll(answerTo(askFirst(1)));  // the copy for the repeat
        QCOMPARE(rig.session.firstIndex(), 2);
        QCOMPARE(rig.tables.download(2), Reading{});
        rig.arrivals << answerTo(askFirst(1));  // even later, still waiting in the line
        rig.takeWritten();
        rig.tick(T::T3);  // room for stragglers: nothing asked, the line emptied
        QCOMPARE(rig.takeWritten(), QByteArrayList());
        QVERIFY(rig.arrivals.isEmpty());
        rig.download();
        QCOMPARE(rig.tables.download(2).glucose, 102);
        QCOMPARE(rig.saves, 1);
    }

    // Neither the count request nor the sleep command is repeated; a meter
    // gone quiet after either must not leave the download waiting for ever.
    void quietMeterAfterOneShotRequests_data()
    {
        QTest::addColumn<int>("n");  // records in the meter; -1: the count goes unanswered
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("count unanswered") << -1 << QStringList{kStalled};
        QTest::newRow("sleep unacknowledged, empty meter") << 0 << QStringList();
        QTest::newRow("sleep unacknowledged after a save") << 2 << QStringList();
    }
    void quietMeterAfterOneShotRequests()
    {
        QFETCH(int, n);
        Rig rig;
        rig.onLine(n);
        rig.download();
        rig.tick(T::Rt, MeterSession::kMaxUnansweredPolls - 2);  // download() may have polled once
        QCOMPARE(rig.timersOn(), QStringLiteral("TimerRt"));
        rig.tick(T::Rt, 2);
        QTEST(rig.messages, "messages");
        QCOMPARE(rig.finished, n < 0 ? 0 : 1);
        QCOMPARE(rig.timersOn(), QString());
        QCOMPARE(rig.saves, n > 0 ? 1 : 0);
    }

    void restartStopsTheOldPassesAndDropsLateAnswers()
    {
        Rig rig;
        rig.opened = false;
        rig.onLine(3);
        rig.download(askFirst(2));
        rig.arrivals << answerTo(askFirst(2));  // a late copy for the old press
        QVERIFY(rig.session.start());
        QCOMPARE(rig.dtr, (QList<bool>{false, true, true}));  // reopened with DTR off, on at each press
        QVERIFY(rig.arrivals.isEmpty());
        rig.takeWritten();
        rig.tick(T::T3);  // a tick of the old pass already queued
        QCOMPARE(rig.takeWritten(), QByteArrayList());
        QCOMPARE(rig.timersOn(), QStringLiteral("TimerRt TimerOP"));
    }
};

QTEST_GUILESS_MAIN(tst_MeterSession)
#include "tst_meter_session.moc"
