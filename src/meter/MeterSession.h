#pragma once

#include "meter/MeterLink.h"
#include "meter/MeterTexts.h"
#include "store/Reading.h"

#include <QList>
#include <QObject>
#include <QString>

#include <array>
#include <functional>

// The seven timers that drive a download. The session only says which of them
// run; whoever owns real timers starts and stops them and calls tick() when one
// fires.
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

// One download from the meter, as a state machine driven by timer ticks.
//
// TimerRt polls the line every 20 ms and interprets what arrived according to
// the state; the other timers ask the meter in turn, as kSessionTimers says.
// Received record halves go into the session's own list of records; saving
// them is its owner's part, on recordsComplete().
//
// The states of a download: what the session puts on the line, the answer it
// awaits (interpret() takes no other), and where each answer or limit leads.
//
//   State          On the line (timer)           Awaited        Next
//   Idle           nothing                       -              Start Reading: Waking
//   Waking         00 (TimerOP)                  00             LinkTesting; 50 ticks: WakeFailed (once
//                                                               it woke: 50 in all or 45 s: Failed)
//   WakeFailed     nothing (TimerRt polls)       a late 00      LinkTesting
//   LinkTesting    55 (Timer1)                   54 F1          Linking; 10 tries: Waking
//   Linking        BA A5 A9 (Timer2)             AA 5A AA       AwaitingCount; 5 tries: Waking
//   AwaitingCount  AE A5 A9 (TimerRt)            N 5A AA        FirstHalves; N = 0: SayingGoodbye
//   FirstHalves    AC k A9, k = 1..N (Timer3)    b0 b1 AA       SecondHalves after record N
//   SecondHalves   AD k A9, k = 1..N (Timer4)    b0 b1 AA       Ending after record N
//   Ending         nothing (TimerSleep)          -              once the line is clear: sleep command,
//                                                               records to the owner, SayingGoodbye
//   SayingGoodbye  B5 A5 A9 (TimerRt repeats)    AA 5A AA       Done
//   Leaving        B5 A5 A9 (TimerRt repeats)    AA 5A AA       Failed (also when it never comes)
//   Done           nothing (TimerRt may poll)    -              -
//   Failed         nothing, every timer off      -              -
//
// Start Reading leads to Waking from any state (a meter that is awake is told
// to sleep first, as leaving the window does). Before the meter's first
// answer, bytes left on the line from before are dropped, and a wake-up answer
// behind them still counts. Back in Waking after a link step ran out of tries,
// the late answer to the probe or the link request still counts. The link
// steps end the download 45 s (kLinkLimitMs) after Start Reading; so do a
// request unanswered too long (silenceLimitMs()), more than three bytes in one
// poll and the owner's notSaved(): a meter that woke is then told to sleep,
// and the port closes once it says goodbye (Leaving), so that no answer is
// left on the line for the next download. A lost line ends any state at once
// in Failed, but SayingGoodbye and Leaving end as they would. In SayingGoodbye the
// readings are saved (or the meter held none), so the download ends Done, with
// a warning when the goodbye does not come.
//
// Answers carry no request of their own (a record half does not even say which
// record it belongs to), so one request is on the line at a time. A request is
// asked again only after a silence longer than the slowest answer seen so far,
// and once an answer to a repeated request is in, nothing new is asked until
// the answers to the other copies have come or must have come: a late copy is
// never taken for the next answer. A meter answering within 45 ms keeps the
// pace of one request per 50 ms tick; a slow one is asked more slowly.
//
// The session owns no timer, no port and no clock (it is handed a monotonic
// millisecond count), so tests drive it tick by tick through a fake link.
class MeterSession : public QObject
{
    Q_OBJECT
public:
    // Milliseconds from any fixed moment, never going back.
    using Clock = std::function<qint64()>;

    static constexpr int kWakeTicksBeforeFailure = 50;
    // A link probe or link request that goes out more often than this without
    // its answer sends the session back to waking the meter.
    static constexpr int kLinkProbeTries = 10;
    static constexpr int kLinkRequestTries = 5;
    // A request unanswered this long (or four repeat intervals of a slow
    // meter, if longer) ends the download.
    static constexpr int kMaxSilenceMs = 2000;
    // Added to one and a half times the slowest answer before a request is asked again.
    static constexpr int kAnswerMarginMs = 40;
    // A meter that woke must be on line this long after Start Reading.
    static constexpr int kLinkLimitMs = 45000;

    MeterSession(MeterLink &link, Clock clock, QObject *parent = nullptr);

    // Opening the window: the port is opened with DTR off and the progress
    // bar emptied. False when the port cannot be opened.
    bool openPort();
    // Start Reading. Stops whatever a previous press left running, then wakes
    // the meter. False (with the port error message) when the port cannot be opened.
    bool start();
    void tick(SessionTimer timer);
    // The line failed under the download (cable pulled, adapter gone).
    void linkLost(const QString &reason);
    // Leaving the window: every timer off, port closed, nothing saved.
    void stop();
    // The owner could not save the records of recordsComplete(): the download
    // ends without result, for the reason given.
    void notSaved(const QString &error);

    // The records received so far; records()[k - 1] is meter record k.
    const QList<Reading> &records() const { return m_records; }

    QString label() const { return m_label; }
    int progress() const { return m_progress; }
    int progressMaximum() const { return m_progressMaximum; }
    bool isTimerActive(SessionTimer timer) const { return m_timers[index(timer)]; }
    bool isAnyTimerActive() const;

Q_SIGNALS:
    void labelChanged(const QString &text);
    void progressChanged(int value);
    void progressMaximumChanged(int maximum);
    // List3 is cleared and this line added.
    void listLine(const QString &line);
    // A message box for the user.
    void message(const QString &text);
    void timerActiveChanged(SessionTimer timer, bool active);
    // Every record is in and the sleep command has just gone out: the owner
    // saves the records now, before the session goes on, and calls notSaved()
    // when it cannot.
    void recordsComplete(const QList<Reading> &records);
    // The download is over with its result in: the readings saved (or none in
    // the meter). A warning, when not empty, says that the meter did not
    // acknowledge the sleep command and may still be on.
    void finished(const QString &warning);
    // The download ended without result: the reason, as shown or as labelled.
    void failed(const QString &reason);

private:
    // The states of the table above.
    enum class State {
        Idle,
        Waking,
        WakeFailed,
        LinkTesting,
        Linking,
        AwaitingCount,
        FirstHalves,
        SecondHalves,
        Ending,
        SayingGoodbye,
        Leaving,
        Done,
        Failed,
    };

    // The request on the line: when it first and last went out, how often.
    struct Ask
    {
        QByteArray request;
        qint64 firstSentMs = 0;
        qint64 lastSentMs = 0;
        int copies = 0;
        bool answered = true;
    };
    // Answers to copies of a repeated request that may still come.
    struct Drain
    {
        int copies = 0;
        qint64 untilMs = 0;
        int answerSize = 3;
        char lastByte = 0;
        qint64 firstSentMs = 0; // of the request, and when its first answer came
        qint64 firstAnswerMs = 0;
    };

    static int index(SessionTimer timer) { return int(timer); }
    bool meterAwake() const;

    void takeWaiting();
    void followUpOneShots();
    void wakeTick();
    void linkTick(const QByteArray &request, SessionTimer timer, int &tries, int maxTries);
    void passTick(SessionTimer timer);
    void sleepTick();

    void interpret(const QByteArray &rx);
    bool isAwaiting(const QByteArray &request) const;
    void wokeUp();
    void linkTested();
    void linked();
    void countAnswered(int count);
    QByteArray halfRequest() const;
    void storeHalf(quint8 b0, quint8 b1);
    void receiveError(const QByteArray &rx);
    void abandon(const QString &text);
    void leave(const QString &text, bool resetProgress);
    void fail(const QString &text, bool resetProgress);
    void linkFailed();
    void backToWaking();
    void finishSaved(const QString &problem, bool closePort);

    // Sending and repeating requests, and the quiet line after a repeat.
    void ask(const QByteArray &request);
    bool askOrRepeat(const QByteArray &request, SessionTimer timer);
    // The slowest answer seen in this download, as the repeat interval uses it.
    qint64 slowestAnswerMs() const;
    qint64 repeatAfterMs(SessionTimer timer) const;
    qint64 silenceLimitMs(SessionTimer timer) const;
    void answered();
    bool swallowedLateCopies(const QByteArray &rx);
    bool lineClear();
    void learn(qint64 ms, bool exact);

    void GetData();
    void Sleep();

    void setTimer(SessionTimer timer, bool active);
    void stopAllTimers();
    void setLabel(const QString &text);
    void setProgress(int value);
    void setProgressMaximum(int maximum);

    MeterLink &m_link;
    Clock m_clock;
    QList<Reading> m_records;

    State m_state = State::Idle;
    int m_wakeTicks = 0;
    int m_probeTries = 0;
    int m_helloTries = 0;
    int m_meterCount = 0;
    // The record whose half the pass asks for, 1..m_meterCount.
    int m_record = 0;

    Ask m_ask;
    Drain m_drain;
    qint64 m_startedMs = 0;
    qint64 m_wakeRoundStartMs = 0;
    // Until an answer is timed exactly, the wake-up answer stands in for it.
    qint64 m_wakeAnswerMs = 0;
    qint64 m_slowestMs = 0;
    bool m_timedExactly = false;
    // The meter answered a wake-up in this download: running out of wake-ups
    // now means the link failed, and leaving must tell it to sleep.
    bool m_wokeUp = false;
    // Leaving: why the download failed, said once the meter's goodbye is in.
    QString m_failure;
    bool m_failureResetsProgress = false;
    // SayingGoodbye: what went wrong with the goodbye so far.
    QString m_goodbyeProblem;

    QString m_label = MeterTexts::kLabelBeforeDownload;
    int m_progress = 0;
    int m_progressMaximum = 100;
    std::array<bool, kSessionTimerCount> m_timers{};
};
