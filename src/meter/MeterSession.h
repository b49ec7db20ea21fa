#pragma once

#include "meter/AnswerPacing.h"
#include "meter/MeterLink.h"
#include "store/Reading.h"

#include <QList>
#include <QObject>
#include <QString>

#include <array>
#include <functional>

// The seven timers that drive a download, the ticks of one clock at fixed
// intervals. Which of them run follows from the session's state; whoever owns
// the clock starts and stops them as timerActiveChanged() says and calls tick()
// when one fires.
enum class SessionTimer { Rt, OP, T1, T2, T3, T4, Sleep };

struct SessionTimerRow
{
    SessionTimer timer;
    const char *name; // as the download window names it
    int intervalMs;
    const char *asks; // what it asks the meter, as the download log says; none for the poll
};

// One row per timer, in the order of SessionTimer.
inline constexpr std::array kSessionTimers{
    SessionTimerRow{SessionTimer::Rt, "TimerRt", 20, nullptr},
    SessionTimerRow{SessionTimer::OP, "TimerOP", 50, "Waking the meter"},
    SessionTimerRow{SessionTimer::T1, "Timer1", 100, "Link probe"},
    SessionTimerRow{SessionTimer::T2, "Timer2", 1000, "Link request"},
    SessionTimerRow{SessionTimer::T3, "Timer3", 50, "First halves of the records"},
    SessionTimerRow{SessionTimer::T4, "Timer4", 50, "Second halves of the records"},
    SessionTimerRow{SessionTimer::Sleep, "TimerSleep", 50, "Sleep command and saving"},
};
inline constexpr int kSessionTimerCount = int(kSessionTimers.size());

constexpr const SessionTimerRow &sessionTimer(SessionTimer timer)
{
    return kSessionTimers[std::size_t(timer)];
}

static_assert([] {
    for (int i = 0; i < kSessionTimerCount; ++i)
        if (kSessionTimers[i].timer != SessionTimer(i))
            return false;
    return true;
}());

// One download from the meter: a state machine whose events are the meter's
// answers, the timers' ticks, a lost line and the user's Start Reading and
// leaving. handle() is the one function from (state, event) to (actions, next
// state); it follows this table row by row. Timers run as the state says; "when
// due" and "silent too long" are the AnswerPacing of the request on the line.
//
//   State          Timers    Event                   Guard                   Actions               Next
//   (any)          -         Start Reading           port does not open      -                     Failed: port
//                                                    (meter awake)           B5 A5 A9; 00          Waking
//   (any)          -         leaving                 (meter awake)           B5 A5 A9; port shut   Idle
//   (any)          -         finish (Find Meter)     meter awake             -                     leave: ended
//                                                    otherwise               port shut             Failed: ended
//   Idle           -
//   Waking         Rt OP     answer                  ends in 00              -                     LinkTesting
//                                                    otherwise               dropped: left over    -
//                            OP tick                 50th                    00                    WakeFailed
//                                                    otherwise               00; count-down        -
//   WakeFailed     Rt        answer                  as in Waking            -                     LinkTesting
//   LinkTesting    Rt T1     54 F1                   probe awaited           -                     Linking
//                            AA 5A AA                link request awaited    -                     AwaitingCount
//                            T1 tick                 45 s since Start        -                     leave: link failed
//                                                    due, 11th try           55                    Rewaking
//                                                    due                     55                    -
//   Linking        Rt T2     AA 5A AA                link request awaited    count request*        AwaitingCount
//                            T2 tick                 45 s since Start        -                     leave: link failed
//                                                    due, 6th try            BA A5 A9              Rewaking
//                                                    due                     BA A5 A9              -
//   Rewaking       Rt OP     00                      -                       -                     LinkTesting
//                            54 F1, AA 5A AA         as in LinkTesting       -                     Linking, AwaitingCount
//                            OP tick                 50 in all, or 45 s      00                    leave: link failed
//                                                    otherwise               00; count-down        -
//   AwaitingCount  Rt        N 5A AA                 count awaited, N = 0    B5 A5 A9*             SayingGoodbye (else Ending)
//                                                    count awaited           -                     FirstHalves, record 1
//                            Rt tick*                count not asked         AE A5 A9              -
//                                                    silent too long         -                     leave: silent
//                                                    due                     AE A5 A9              -
//   FirstHalves    Rt T3     b0 b1 AA                AC k A9 awaited, k < N  store half 1 of k     - (record k + 1)
//                                                    AC N A9 awaited         store half 1 of N     SecondHalves, record 1
//                            T3 tick*                silent too long         -                     leave: silent
//                                                    new or due              AC k A9               -
//   SecondHalves   Rt T4     b0 b1 AA, T4 tick       as in FirstHalves with AD k A9, half 2;       Ending after record N
//   Ending         Rt Sleep  Sleep tick*             N = 0                   B5 A5 A9              SayingGoodbye
//                                                    saved                   B5 A5 A9; save        SayingGoodbye
//                                                    not saved               B5 A5 A9; save        Leaving: not saved
//   SayingGoodbye  Rt        AA 5A AA                sleep awaited           -                     Done
//                            more than 3 bytes       -                       B5 A5 A9              -
//                            Rt tick*                silent too long         -                     DoneUnconfirmed
//                                                    due                     B5 A5 A9              -
//                            line lost               -                       port shut             DoneUnconfirmed
//   Leaving        Rt        AA 5A AA                sleep awaited           port shut             Failed
//                            Rt tick*                silent too long         port shut             Failed
//                                                    due                     B5 A5 A9              -
//                            line lost               -                       -                     Failed
//                            anything else           -                       dropped               -
//   Done           Rt        (the meter is asleep)
//   DoneUnconfirmed, Failed  -
//
// * only once the line is clear of answers to copies of a repeated request;
//   until then every answer is taken for one of theirs (AnswerPacing).
//
// In every other state (Done included) more than three bytes in one read are a
// garbled answer, and leave: garbled; answers no row names are ignored.
// "leave" says goodbye: every timer stops, B5 A5 A9 goes out, and a meter that
// is awake (woken in this download and not yet told to sleep) is given Leaving
// to answer it, so that nothing is left on the line for the next download; a
// meter that is not awake ends the download in Failed at once. A lost line
// ends every other state in Failed.
// Every path to Failed goes through one place (fail()), which shuts the port.
// Ending with none in the meter (N = 0) keeps SayingGoodbye's rules for a
// garbled answer and a lost line: there is nothing to save.
//
// The session reports what happens (its state, the wake-up count, each half
// asked for, each sleep command, the problem that ended it); DownloadStatus
// words that for the user. Received record halves go into the session's own
// list of records; the save step is handed in by the owner and returns whether
// it saved. The session owns no timer, no port and no clock (it is handed a
// monotonic millisecond count), so tests drive it tick by tick through a fake link.
class MeterSession : public QObject
{
    Q_OBJECT
public:
    enum class State {
        Idle,
        Waking,
        WakeFailed,
        LinkTesting,
        Linking,
        Rewaking,
        AwaitingCount,
        FirstHalves,
        SecondHalves,
        Ending,
        SayingGoodbye,
        Leaving,
        Done,
        DoneUnconfirmed,
        Failed,
    };
    Q_ENUM(State)

    // What ended a download without the meter's goodbye, or made it fail.
    struct Problem
    {
        enum class Kind { None, PortError, Garbled, Silent, LinkFailed, LineLost, NotSaved, Ended };
        Kind kind = Kind::None;
        QByteArray bytes;         // Garbled: the bytes of one read
        int seconds = 0;          // Silent: how long the meter was
        bool linkRequest = false; // LinkFailed: the link request went unanswered (else the link test)
        QString reason;           // LineLost: as the line says; NotSaved: as the save says
        bool downloading = false; // LineLost: a download was under way, and nothing was saved
    };

    // Milliseconds from any fixed moment, never going back.
    using Clock = std::function<qint64()>;
    // The save step: true when the records are saved, else false with why.
    using Save = std::function<bool(const QList<Reading> &records, QString *error)>;

    static constexpr int kWakeTicksBeforeFailure = 50;
    // A link probe or link request that goes out more often than this without
    // its answer sends the session back to waking the meter.
    static constexpr int kLinkProbeTries = 10;
    static constexpr int kLinkRequestTries = 5;
    // A meter that woke must be on line this long after Start Reading.
    static constexpr int kLinkLimitMs = 45000;

    MeterSession(MeterLink &link, Clock clock, Save save = {}, QObject *parent = nullptr);

    // Opening the window: the port is opened with DTR off. False when it cannot be.
    bool openPort();
    // Start Reading. False when the port cannot be opened.
    bool start();
    void tick(SessionTimer timer);
    // The line failed under the download (cable pulled, adapter gone).
    void linkLost(const QString &reason);
    // Leaving the window: every timer off, port closed, nothing saved; a meter
    // that is awake is told to sleep on the way.
    void stop();
    // The owner has what it wanted: the meter is told goodbye as a failed
    // download does, and the session ends in Failed (Problem::Ended).
    void finish();

    State state() const { return m_state; }
    // The number of records the meter reported (0 before it did).
    int meterCount() const { return m_meterCount; }
    // The records received so far; records()[k - 1] is meter record k.
    const QList<Reading> &records() const { return m_records; }
    // What ended the download in Failed or DoneUnconfirmed.
    const Problem &problem() const { return m_problem; }
    bool isTimerActive(SessionTimer timer) const { return timersOf(m_state) & bit(timer); }
    // From Start Reading until the download is over, the meter's goodbye
    // included; not once waking has failed (the poll still listens then).
    bool isRunning() const;

    // The timers that run in a state.
    static int timersOf(State state);

Q_SIGNALS:
    // The signals come from within the session's steps: their slots must not
    // call back into it (a message box may show; its own timers stay set).
    void stateChanged(MeterSession::State from, MeterSession::State to);
    void timerActiveChanged(SessionTimer timer, bool active);
    // A wake-up byte went out, the count-th since Start Reading; waking goes on.
    void wakeTicked(int count);
    // Half `index` of the download went out: 1..N the first halves, N+1..2N the second.
    void halfAsked(int index);
    // The sleep command went out as a step of the download (not as a repeat).
    void sleepSent();

private:
    struct Event
    {
        enum class Kind { Start, Stop, Finish, Answer, Tick, LineLost } kind;
        SessionTimer timer = SessionTimer::Rt;
        QByteArray bytes;
        QString reason;
    };
    static constexpr int bit(SessionTimer timer) { return 1 << int(timer); }

    void handle(const Event &e);
    void started();
    void tickWaking();
    void tickLink(SessionTimer timer, const QByteArray &request, int &tries, int maxTries);
    bool followUp(SessionTimer timer, const QByteArray &request);
    void answerHalf(const QByteArray &rx);
    void tickPass(SessionTimer timer);
    void lineLost(const QString &reason);
    bool meterAwake() const;

    void enter(State next, bool restartTimers = false);
    void leave(Problem problem);
    void fail(Problem problem);
    void garbled(const QByteArray &rx);
    void wokeUp();
    void linkTested();
    void linked();
    void countAnswered(int count);
    QByteArray halfRequest() const;
    qint64 now() const { return m_clock(); }
    void ask(const QByteArray &request);
    bool askOrRepeat(const QByteArray &request, SessionTimer timer);
    void GetData();
    void Sleep();

    MeterLink &m_link;
    Clock m_clock;
    Save m_save;
    AnswerPacing m_pacing;
    QList<Reading> m_records;

    State m_state = State::Idle;
    Problem m_problem;
    int m_wakeTicks = 0;
    int m_probeTries = 0;
    int m_helloTries = 0;
    int m_meterCount = 0;
    // The record whose half the pass asks for, 1..m_meterCount.
    int m_record = 0;
    qint64 m_startedMs = 0;
    qint64 m_wakeRoundStartMs = 0;
};
