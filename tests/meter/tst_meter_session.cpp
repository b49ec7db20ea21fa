// The download session on a fake line in a clock of its own, beyond what its
// transcripts show (tst_session_transcripts): two downloads in a row, and
// Start Reading pressed again mid-download. No real time passes.

#include "common/Rows.h"
#include "common/SessionRig.h"
#include "meter-emulator/RecordList.h"

#include <QTest>

namespace {

QByteArray askFirst(int k)
{
    return QByteArray(1, char(0xAC)) + char(k) + char(0xA9);
}

QList<MeterRecord> records(int n)
{
    return RecordList::generate(n, 7, QDateTime(QDate(2024, 3, 1), QTime(12, 0)));
}

enum Fault { SixBytes, SaveFails, Stopped };

struct FaultCase
{
    const char *name;
    Fault fault;
    QString failure; // why the first download failed
};

} // namespace

class MeterSessionTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Whatever ended a download, the meter is left asleep and the line clean:
    // the next download works, and leaves nothing behind either.
    void downloadAfterOneThatWentWrong_data()
    {
        Rows::add<FaultCase>({
            {"save fails, then download again", SaveFails, "The readings from the meter were not saved: disk full"},
            {"two answers in one read, then download again", SixBytes,
             "Data Receiving Error! Got 6 byte--it's [C9][30][AA][C9][30][AA]"},
            {"left in the first pass, then download again", Stopped, ""},
        });
    }
    void downloadAfterOneThatWentWrong()
    {
        const auto &[name, fault, failure] = Rows::current<FaultCase>();
        const QList<MeterRecord> meter = records(3);
        FakeMeterLine rig(meter, {.doubleAnswer = fault == SixBytes});
        rig.saveError = fault == SaveFails ? QStringLiteral("disk full") : QString();
        rig.session.start();
        rig.run(600000, [&, fault = fault] {
            return !rig.failures.isEmpty() || (fault == Stopped && rig.written.contains(askFirst(2)));
        });
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
