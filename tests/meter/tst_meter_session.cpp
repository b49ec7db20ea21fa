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
const QByteArray kCount = QByteArray::fromHex("AEA5A9");
const QByteArray kSleep = QByteArray::fromHex("B5A5A9");
const QString kNothingSaved = QStringLiteral(" The download was abandoned and nothing was saved.");
const QString kStalled = QStringLiteral("The meter did not answer for 2 seconds.") + kNothingSaved
                         + QStringLiteral(" Check the cable and press Start Reading again.");
const QString kLost = QStringLiteral("The connection to the meter was lost (cable pulled).");

QByteArray askFirst(int k)
{
    return QByteArray(1, char(0xAC)) + char(k) + char(0xA9);
}
QByteArray askSecond(int k)
{
    return QByteArray(1, char(0xAD)) + char(k) + char(0xA9);
}
QString mayBeOn(const QString &problem)
{
    return "The download is complete, but the meter did not confirm that it went to sleep (" + problem
           + "). It may still be on.";
}

QList<MeterRecord> records(int n)
{
    return RecordList::generate(n, 7, QDateTime(QDate(2024, 3, 1), QTime(12, 0)));
}
// The session's records as the meter's fill them (the meter sends no year).
QList<Reading> asDownloaded(const QList<MeterRecord> &meter)
{
    QList<Reading> out;
    for (const MeterRecord &r : meter)
        out << Reading{r.month, r.day, r.hour, r.minute, r.glucose, 0, r.event ? EventMark::PC : EventMark::C};
    return out;
}

enum Fault { Quiet, SixBytes, LineLost, SaveFails, Stopped };

} // namespace

class MeterSessionTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Halves carry no record number: whatever the meter's pace and the line's
    // losses, every record must land where it belongs, or the download must
    // end with a reason and save nothing.
    void download_data()
    {
        QTest::addColumn<FaultOptions>("faults");
        QTest::addColumn<int>("busyMs");
        QTest::addColumn<QString>("report"); // empty: an exact download
        for (const int ms : {0, 45, 80, 150, 1000}) {
            QTest::addRow("%d ms", ms) << FaultOptions{.delayMs = ms} << 0 << "";
            QTest::addRow("%d ms, first answer to each request lost", ms)
                << FaultOptions{.dropFirst = true, .delayMs = ms} << 0 << "";
            QTest::addRow("%d ms, last answer of each pass lost", ms)
                << FaultOptions{.dropLast = true, .delayMs = ms} << 0 << "";
        }
        QTest::newRow("80 ms, answer late") << FaultOptions{.lateAnswer = true, .delayMs = 80} << 0 << "";
        QTest::newRow("answer split") << FaultOptions{.split = true} << 0 << "";
        QTest::newRow("noise") << FaultOptions{.noise = true} << 0 << "";
        QTest::newRow("program busy 25 ms now and then") << FaultOptions{} << 25 << "";
        QTest::newRow("program busy 60 ms now and then") << FaultOptions{} << 60 << "";
        QTest::newRow("45 ms, program busy 60 ms") << FaultOptions{.delayMs = 45} << 60 << "";
        // Record 2's first half is C9 30 AA.
        QTest::newRow("two answers in one read") << FaultOptions{.doubleAnswer = true} << 0
                                                 << "Data Receiving Error! Got 6 byte--it's [C9][30][AA][C9][30][AA]";
        QTest::newRow("line gone in the second pass, 150 ms")
            << FaultOptions{.hangupAfter = 4, .delayMs = 150} << 0 << kLost + kNothingSaved;
    }
    void download()
    {
        QFETCH(FaultOptions, faults);
        QFETCH(int, busyMs);
        QFETCH(QString, report);
        const QList<MeterRecord> meter = records(busyMs ? 8 : 3);
        FakeMeterLine rig(meter, faults, busyMs);
        rig.download();
        if (!report.isEmpty()) {
            // A meter left awake is told to sleep before the port closes.
            QCOMPARE(std::tuple(rig.failures, rig.messages, rig.saves, rig.warnings, rig.written.last() == kSleep),
                     std::tuple(QStringList{report}, QStringList{report}, 0, QStringList(), faults.doubleAnswer));
            return;
        }
        const int n = int(meter.size());
        QCOMPARE(rig.session.records(), asDownloaded(meter));
        QCOMPARE(
            std::tuple(rig.failures, rig.messages, rig.warnings, rig.saves, rig.labels.last(), rig.session.progress()),
            std::tuple(QStringList(), QStringList(), QStringList{QString()}, 1,
                       QStringLiteral("Complete! Receive ( %1 ) Data from Meter !!").arg(n), 2 * n));
        // A meter answering within 45 ms is asked one record request per 50 ms tick.
        if (faults == FaultOptions{.delayMs = faults.delayMs} && faults.delayMs <= 45 && busyMs == 0) {
            const qsizetype first = rig.written.indexOf(askFirst(1)), last = rig.written.indexOf(askSecond(n));
            const qint64 passes = rig.writtenMs.at(last) - rig.writtenMs.at(first);
            QVERIFY2(last - first == 2 * n - 1 && passes <= 2 * n * 50, qPrintable(QString::number(passes)));
        }
    }

    // A meter that turns slow mid-download answers every copy of the request
    // asked again meanwhile, one after another: none of them is the next record.
    void meterTurningSlowLeavesNoCopyBehind()
    {
        const QList<MeterRecord> meter = records(3);
        FakeMeterLine rig(meter);
        rig.muteAfter = askFirst(2); // from here on the slow meter answers
        MeterResponder slow(meter, {.delayMs = 400});
        slow.hear(kWake, 0);
        qsizetype heard = -1;
        rig.session.start();
        rig.run(600000, [&] {
            if (heard < 0 && rig.mute)
                heard = rig.written.indexOf(askFirst(2));
            while (heard >= 0 && heard < rig.written.size())
                for (const auto &o : slow.hear(rig.written.at(heard++), rig.now))
                    rig.arrive(o.bytes, o.atMs);
            return !(rig.failures.isEmpty() && rig.warnings.isEmpty());
        });
        QCOMPARE(std::tuple(rig.written.count(askFirst(2)) > 1, rig.session.records(), rig.warnings),
                 std::tuple(true, asDownloaded(meter), QStringList{QString()}));
    }

    void emptyMeter()
    {
        FakeMeterLine rig({});
        rig.download();
        QCOMPARE(std::tuple(rig.labels.mid(rig.labels.indexOf("On Line...")),
                            rig.written.mid(rig.written.indexOf(kCount)), rig.saves, rig.warnings, rig.listLines),
                 std::tuple(QStringList{"On Line...", "There is no new data in meter !!",
                                        "Complete! Receive ( 0 ) Data from Meter !!"},
                            QByteArrayList{kCount, kSleep}, 0, QStringList{QString()},
                            QStringList{"Read [0] data from Meter !!"}));
    }

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

    // What happens when the meter goes quiet, says too much or the line goes,
    // before and after the readings were saved.
    void meterGoesWrong_data()
    {
        QTest::addColumn<QByteArray>("after"); // the last request the meter answers... or not
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QString>("warning"); // the download ended as saved, with this warning
        const QString six = QStringLiteral("Data Receiving Error! Got 6 byte--it's [AA][5A][1][2][F][AA]");
        QTest::newRow("quiet at the count") << kCount << Quiet << kStalled << "";
        QTest::newRow("quiet in the first pass") << askFirst(2) << Quiet << kStalled << "";
        QTest::newRow("save fails") << kSleep << SaveFails << "The readings from the meter were not saved: disk full"
                                    << "";
        QTest::newRow("sleep unacknowledged") << kSleep << Quiet << "" << mayBeOn("no answer for 2 seconds");
        QTest::newRow("six bytes after the save") << kSleep << SixBytes << "" << mayBeOn(six);
        QTest::newRow("line lost after the save") << kSleep << LineLost << "" << mayBeOn(kLost);
    }
    void meterGoesWrong()
    {
        QFETCH(QByteArray, after);
        QFETCH(Fault, fault);
        QFETCH(QString, failure);
        QFETCH(QString, warning);
        FakeMeterLine rig(records(3));
        rig.muteAfter = after;
        rig.saveError = fault == SaveFails ? QStringLiteral("disk full") : QString();
        rig.session.start();
        rig.run(600000, [&] { return rig.mute || !rig.failures.isEmpty(); });
        if (fault == SixBytes)
            rig.arrive(QByteArray::fromHex("AA5A01020FAA"), rig.now + 5);
        else if (fault == LineLost)
            rig.arrive({}, rig.now + 5, true);
        rig.run(600000);

        // Kept open only after a complete download; the bar is emptied when the meter stopped answering.
        QCOMPARE(std::tuple(rig.failures, rig.warnings, rig.saves, rig.timersOn(), rig.opened, rig.session.progress(),
                            rig.labels.last() == QStringLiteral("Complete! Receive ( 3 ) Data from Meter !!")),
                 std::tuple(failure.isEmpty() ? QStringList() : QStringList{failure},
                            warning.isEmpty() ? QStringList() : QStringList{warning}, after == kSleep ? 1 : 0,
                            QString(), fault != LineLost && !warning.isEmpty(), after == kSleep ? 6 : 0,
                            !warning.isEmpty()));
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
