// The download session on a fake line in a clock of its own: the emulated
// meter answers with its latency and faults, the seven timers fire at their
// intervals, and no real time passes.

#include "common/SessionRig.h"
#include "meter-emulator/RecordList.h"

#include <QTest>

namespace {

const QByteArray kWake = QByteArray::fromHex("00");
const QByteArray kProbe = QByteArray::fromHex("55");
const QByteArray kLinkRequest = QByteArray::fromHex("BAA5A9");
const QByteArray kSleep = QByteArray::fromHex("B5A5A9");
const QString kLost = QStringLiteral("The connection to the meter was lost (cable pulled).");

QByteArray askFirst(int k)
{
    return QByteArray(1, char(0xAC)) + char(k) + char(0xA9);
}

QList<MeterRecord> records(int n)
{
    return RecordList::generate(n, 7, QDateTime(QDate(2024, 3, 1), QTime(12, 0)));
}

enum Fault { Quiet, SixBytes, LineLost, SaveFails, Stopped };

} // namespace

class MeterSessionTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A meter that wakes but never completes the link: back to waking as often
    // as the meter wakes again, then the download ends naming the step, and
    // the meter is told to sleep.
    void linkNeverCompletes_data()
    {
        QTest::addColumn<QByteArray>("unanswered");
        QTest::addColumn<QString>("step");
        QTest::addColumn<QByteArray>("answer"); // what the meter says instead; empty: nothing
        QTest::newRow("link test") << kProbe << "link test" << QByteArray();
        QTest::newRow("link request") << kLinkRequest << "link request" << QByteArray();
        QTest::newRow("link request answered by a record half")
            << kLinkRequest << "link request" << QByteArray::fromHex("0D00AA");
    }
    void linkNeverCompletes()
    {
        QFETCH(QByteArray, unanswered);
        QFETCH(QString, step);
        QFETCH(QByteArray, answer);
        FakeMeterLine rig({}, {.noWakeup = true}); // answered below instead
        rig.session.start();
        // Each wake-up byte answered, as some meters do, and the probe unless it is the step that fails.
        qsizetype heard = 0;
        rig.run(60000, [&] {
            while (heard < rig.written.size()) {
                const QByteArray &w = rig.written.at(heard++);
                if (w == kWake || (w == kProbe && unanswered != kProbe))
                    rig.arrive(w == kWake ? kWake : QByteArray::fromHex("54F1"), rig.now + 5);
                else if (w == unanswered && !answer.isEmpty())
                    rig.arrive(answer, rig.now + 5);
            }
            return !rig.failures.isEmpty();
        });
        const QString failure = "The meter woke up but did not answer the " + step
                                + ". Check the cable and press Start Reading again.";
        QCOMPARE(std::tuple(rig.failures, rig.messages, rig.labels.contains(QStringLiteral("Link Testing...")),
                            rig.written.last()),
                 std::tuple(QStringList{failure}, QStringList{failure}, true, kSleep));
    }

    // A meter that never wakes: the count-down, fifty wake-up bytes and the
    // failure on the label only, with TimerRt left listening, for a late
    // wake-up answer still counts. Waking that resumes past its limit, with a
    // late probe answer starting link requests meanwhile, fails again and
    // stops, never waking the meter for ever.
    void meterNeverWakes()
    {
        FakeMeterLine rig({}, {.noWakeup = true});
        rig.download();
        QStringList labels;
        for (int s = 1; s <= 4; ++s)
            labels << QString() << QStringLiteral("Meter Wake Up...Waiting(%1s)").arg(s);
        labels << QString() << "Meter Wake Up...Failed";
        QCOMPARE(std::tuple(rig.labels, rig.written, rig.failures, rig.messages, rig.timersOn()),
                 std::tuple(labels, QByteArrayList(51, kWake), QStringList{labels.last()}, QStringList(),
                            QStringLiteral("TimerRt")));
        rig.arrive(kWake, rig.now + 10); // late
        rig.run(5000, [&] { return rig.labels.last() == QStringLiteral("Link Testing..."); });
        QCOMPARE(rig.timersOn(), QStringLiteral("TimerRt TimerOP"));
        rig.arrive(QByteArray::fromHex("54F1"), rig.now); // the late probe answer
        rig.run(60000);
        const qsizetype writes = rig.written.size();
        rig.run(60000, [] { return false; });
        QCOMPARE(std::tuple(rig.failures, rig.timersOn(), rig.written.size(), rig.written.last()),
                 std::tuple(QStringList{labels.last(), "The meter woke up but did not answer the link request. "
                                                       "Check the cable and press Start Reading again."},
                            QString(), writes, kSleep));
    }

    // Once the readings are saved, only the meter's goodbye can go wrong: the
    // download ends complete, with a warning, and the meter is not asked again.
    void goodbyeGoesWrong_data()
    {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<QString>("problem");
        QTest::newRow("sleep unacknowledged") << Quiet << "no answer for 2 seconds";
        QTest::newRow("six bytes") << SixBytes << "Data Receiving Error! Got 6 byte--it's [AA][5A][1][2][F][AA]";
        QTest::newRow("line lost") << LineLost << kLost;
    }
    void goodbyeGoesWrong()
    {
        QFETCH(Fault, fault);
        QFETCH(QString, problem);
        FakeMeterLine rig(records(3));
        rig.muteAfter = kSleep;
        rig.session.start();
        rig.run(600000, [&] { return rig.mute; });
        if (fault == SixBytes)
            rig.arrive(QByteArray::fromHex("AA5A01020FAA"), rig.now + 5);
        else if (fault == LineLost)
            rig.arrive({}, rig.now + 5, true);
        rig.run(600000);
        const QString warning = "The download is complete, but the meter did not confirm that it went to sleep ("
                                + problem + "). It may still be on.";
        QCOMPARE(std::tuple(rig.failures, rig.warnings, rig.saves, rig.timersOn(), rig.opened, rig.status.progress(),
                            rig.labels.last()),
                 std::tuple(QStringList(), QStringList{warning}, 1, QString(), fault != LineLost, 6,
                            QStringLiteral("Complete! Receive ( 3 ) Data from Meter !!")));
    }

    // Whatever ended a download, the meter is left asleep and the line clean:
    // the next download works, and leaves nothing behind either.
    void downloadAfterOneThatWentWrong_data()
    {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<QString>("failure");
        QTest::newRow("save fails, then download again")
            << SaveFails << "The readings from the meter were not saved: disk full";
        QTest::newRow("two answers in one read, then download again")
            << SixBytes << "Data Receiving Error! Got 6 byte--it's [C9][30][AA][C9][30][AA]";
        QTest::newRow("left in the first pass, then download again") << Stopped << "";
    }
    void downloadAfterOneThatWentWrong()
    {
        QFETCH(Fault, fault);
        QFETCH(QString, failure);
        const QList<MeterRecord> meter = records(3);
        FakeMeterLine rig(meter, {.doubleAnswer = fault == SixBytes});
        rig.saveError = fault == SaveFails ? QStringLiteral("disk full") : QString();
        rig.session.start();
        rig.run(600000,
                [&] { return !rig.failures.isEmpty() || (fault == Stopped && rig.written.contains(askFirst(2))); });
        if (fault == Stopped)
            rig.session.stop();
        rig.run(5000, [] { return false; }); // what the meter still says
        rig.saveError.clear();
        rig.download();
        QCOMPARE(std::tuple(rig.failures, rig.warnings, rig.session.records(), rig.labels.last()),
                 std::tuple(failure.isEmpty() ? QStringList() : QStringList{failure}, QStringList{QString()},
                            asDownloaded(meter), QStringLiteral("Complete! Receive ( 3 ) Data from Meter !!")));
        rig.session.stop();
        rig.run(5000, [] { return false; });
        QCOMPARE(std::tuple(rig.responder.isAwake(), rig.incoming.size(), rig.inbox, rig.held),
                 std::tuple(false, qsizetype(0), QByteArray(), QByteArray()));
    }

    void restartStopsTheOldPassesAndDropsLateAnswers()
    {
        FakeMeterLine rig(records(3));
        rig.opened = false;
        rig.session.start();
        rig.run(60000, [&] { return rig.written.contains(askFirst(2)); });
        rig.inbox = QByteArray::fromHex("0D00AA"); // a late answer for the old press
        const bool restarted = rig.session.start();
        const qsizetype writes = rig.written.size();
        rig.session.tick(SessionTimer::T3); // a tick of the old pass already queued
        QCOMPARE(std::tuple(restarted, rig.inbox, rig.timersOn(), rig.written.size()),
                 std::tuple(true, QByteArray(), QStringLiteral("TimerRt TimerOP"), writes));
    }
};

QTEST_GUILESS_MAIN(MeterSessionTest)
#include "tst_meter_session.moc"
