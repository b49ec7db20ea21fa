#include "meter/MeterSession.h"

#include "meter/MeterProtocol.h"
#include "meter/RecordCodec.h"

using namespace MeterProtocol;
using Kind = MeterSession::Problem::Kind;

MeterSession::MeterSession(MeterLink &link, Clock clock, Save save, QObject *parent)
    : QObject(parent)
    , m_link(link)
    , m_clock(std::move(clock))
    , m_save(std::move(save))
{
}

int MeterSession::timersOf(State state)
{
    constexpr int rt = bit(SessionTimer::Rt);
    switch (state) {
    case State::Idle:
    case State::DoneUnconfirmed:
    case State::Failed: return 0;
    case State::Waking:
    case State::Rewaking: return rt | bit(SessionTimer::OP);
    case State::LinkTesting: return rt | bit(SessionTimer::T1);
    case State::Linking: return rt | bit(SessionTimer::T2);
    case State::FirstHalves: return rt | bit(SessionTimer::T3);
    case State::SecondHalves: return rt | bit(SessionTimer::T4);
    case State::Ending: return rt | bit(SessionTimer::Sleep);
    case State::WakeFailed:
    case State::AwaitingCount:
    case State::SayingGoodbye:
    case State::Leaving:
    case State::Done: return rt;
    }
    return 0;
}

bool MeterSession::openPort()
{
    if (!m_link.open())
        return false;
    m_link.setDtr(false);
    return true;
}

bool MeterSession::start()
{
    handle({Event::Kind::Start});
    return m_state == State::Waking;
}

void MeterSession::tick(SessionTimer timer)
{
    // A tick that was already queued when its timer stopped is stale.
    if (!isTimerActive(timer))
        return;
    // Whatever has arrived is taken first, so that a request timer never asks
    // again for what has just been answered.
    if (m_link.bytesWaiting() > 0) {
        const QByteArray rx = m_link.readAll();
        if (!m_pacing.swallowed(rx, now()))
            handle({Event::Kind::Answer, timer, rx});
    }
    if (isTimerActive(timer))
        handle({Event::Kind::Tick, timer});
}

void MeterSession::linkLost(const QString &reason)
{
    handle({Event::Kind::LineLost, SessionTimer::Rt, {}, reason});
}

void MeterSession::stop()
{
    handle({Event::Kind::Stop});
}

void MeterSession::finish()
{
    handle({Event::Kind::Finish});
}

// The table of the header, row by row.
void MeterSession::handle(const Event &e)
{
    using K = Event::Kind;
    switch (e.kind) {
    case K::Start: started(); return;
    case K::Stop:
        // A meter left awake mid-download stays on until its own time-out.
        if (meterAwake())
            m_link.write(kSleep);
        enter(State::Idle);
        m_link.close();
        return;
    case K::Finish:
        if (meterAwake())
            leave({Kind::Ended});
        else
            fail({Kind::Ended});
        return;
    case K::LineLost: lineLost(e.reason); return;
    case K::Answer:
    case K::Tick: break;
    }

    const bool answer = e.kind == K::Answer;
    const QByteArray &rx = e.bytes;
    const SessionTimer timer = e.timer;
    switch (m_state) {
    case State::Idle:
    case State::DoneUnconfirmed:
    case State::Failed: return; // no timer runs
    case State::Waking:
    case State::WakeFailed:
        // Before the meter's first answer, whatever else arrives is left over
        // from before the port was opened (an answer to a goodbye said as the
        // port closed): dropped, and a wake-up answer behind it still counts.
        if (answer && rx.endsWith(kWokeUp))
            wokeUp();
        else if (!answer && timer == SessionTimer::OP)
            tickWaking();
        return;
    case State::LinkTesting:
        if (answer && rx.size() > 3)
            garbled(rx);
        else if (answer && rx == kProbeAnswer && m_pacing.isAwaiting(kLinkProbe))
            linkTested();
        else if (answer && rx == kLinkAnswer && m_pacing.isAwaiting(kLinkRequest))
            linked(); // late, after waking again
        else if (!answer && timer == SessionTimer::T1)
            tickLink(timer, kLinkProbe, m_probeTries, kLinkProbeTries);
        return;
    case State::Linking:
        if (answer && rx.size() > 3)
            garbled(rx);
        else if (answer && rx == kLinkAnswer && m_pacing.isAwaiting(kLinkRequest))
            linked();
        else if (!answer && timer == SessionTimer::T2)
            tickLink(timer, kLinkRequest, m_helloTries, kLinkRequestTries);
        return;
    case State::Rewaking:
        // A late answer to the probe or the link request still counts.
        if (answer && rx.size() > 3)
            garbled(rx);
        else if (answer && rx == kWokeUp)
            wokeUp();
        else if (answer && rx == kProbeAnswer && m_pacing.isAwaiting(kLinkProbe))
            linkTested();
        else if (answer && rx == kLinkAnswer && m_pacing.isAwaiting(kLinkRequest))
            linked();
        else if (!answer && timer == SessionTimer::OP)
            tickWaking();
        return;
    case State::AwaitingCount:
        if (answer && rx.size() > 3) {
            garbled(rx);
        } else if (answer) {
            // AA 5A AA is a count here: 170 records.
            if (rx.size() == 3 && rx.at(1) == kCountMark && rx.at(2) == kAnswerEnd
                && m_pacing.isAwaiting(kCountRequest)) {
                m_pacing.answered(now());
                countAnswered(quint8(rx.at(0)));
            }
        } else if (timer == SessionTimer::Rt && m_pacing.isLineClear(now())) {
            // The count request has no timer of its own: the poll asks it, and
            // asks again, until the meter has been silent too long.
            if (!m_pacing.isAwaiting(kCountRequest))
                GetData();
            else if (!followUp(timer, kCountRequest))
                leave({Kind::Silent, {}, int(m_pacing.silenceLimitMs(sessionTimer(timer).intervalMs) / 1000)});
        }
        return;
    case State::FirstHalves:
    case State::SecondHalves:
        if (answer && rx.size() > 3)
            garbled(rx);
        else if (answer && rx.size() == 3 && rx.at(2) == kAnswerEnd)
            answerHalf(rx); // AA 5A AA is a record half here
        else if (!answer && timer == (m_state == State::FirstHalves ? SessionTimer::T3 : SessionTimer::T4))
            tickPass(timer);
        return;
    case State::Ending:
        if (answer && rx.size() > 3 && m_meterCount == 0) {
            if (m_problem.kind == Kind::None)
                m_problem = {Kind::Garbled, rx};
            Sleep();
        } else if (answer && rx.size() > 3) {
            garbled(rx);
        } else if (!answer && timer == SessionTimer::Sleep && m_pacing.isLineClear(now())) {
            Sleep();
            enter(State::SayingGoodbye);
            QString error;
            if (m_meterCount > 0 && m_save && !m_save(m_records, &error)) {
                // The sleep command is out: its answer is awaited before the port closes.
                m_problem = {Kind::NotSaved, {}, 0, false, error};
                enter(State::Leaving);
            }
        }
        return;
    case State::SayingGoodbye:
        if (answer && rx.size() > 3) {
            // The readings are saved: goodbye is said again and awaited; the
            // garbled answer is the warning should the meter stay silent.
            if (m_problem.kind == Kind::None)
                m_problem = {Kind::Garbled, rx};
            Sleep();
        } else if (answer && rx == kLinkAnswer && m_pacing.isAwaiting(kSleep)) {
            m_pacing.answered(now());
            enter(State::Done);
        } else if (!answer && timer == SessionTimer::Rt && m_pacing.isLineClear(now()) && m_pacing.isAwaiting(kSleep)
                   && !followUp(timer, kSleep)) {
            if (m_problem.kind == Kind::None)
                m_problem = {Kind::Silent, {}, int(m_pacing.silenceLimitMs(sessionTimer(timer).intervalMs) / 1000)};
            enter(State::DoneUnconfirmed);
        }
        return;
    case State::Leaving:
        // Only the meter's goodbye matters now: the download has failed already.
        if (answer && rx == kLinkAnswer && m_pacing.isAwaiting(kSleep)) {
            m_pacing.answered(now());
            fail(m_problem);
        } else if (!answer && timer == SessionTimer::Rt && m_pacing.isLineClear(now()) && m_pacing.isAwaiting(kSleep)
                   && !followUp(timer, kSleep)) {
            fail(m_problem);
        }
        return;
    case State::Done:
        if (answer && rx.size() > 3)
            garbled(rx);
        return;
    }
}

void MeterSession::started()
{
    const bool awake = meterAwake();
    // A second press must not leave the old pass timers running: their answers
    // would be stored as halves of the new download.
    enter(State::Idle);
    if (!m_link.isOpen()) {
        if (!m_link.open()) {
            fail({Kind::PortError});
            return;
        }
        m_link.setDtr(false);
    }
    m_link.setDtr(true);
    // Late answers to the previous press are not answers to this one.
    if (m_link.bytesWaiting() > 0)
        m_link.readAll();
    // Awake, the meter would not answer the wake-up byte: a download still
    // running says goodbye first (its answer is left over, as in Waking).
    if (awake)
        m_link.write(kSleep);

    m_problem = {};
    m_wakeTicks = m_probeTries = m_helloTries = 0;
    m_meterCount = m_record = 0;
    m_records.clear();
    m_pacing.reset();
    m_startedMs = m_wakeRoundStartMs = now();
    m_link.write(kWakeUp);
    enter(State::Waking);
}

// TimerOP in Waking and Rewaking. The count-down shows tens of ticks.
void MeterSession::tickWaking()
{
    m_link.write(kWakeUp);
    ++m_wakeTicks;
    if (m_state == State::Rewaking && (m_wakeTicks >= kWakeTicksBeforeFailure || now() - m_startedMs >= kLinkLimitMs)) {
        // It woke before, so the link is what fails; waking it again and
        // again would never end.
        leave({Kind::LinkFailed, {}, 0, m_pacing.isAwaiting(kLinkRequest)});
    } else if (m_wakeTicks >= kWakeTicksBeforeFailure) {
        enter(State::WakeFailed);
    } else {
        Q_EMIT wakeTicked(m_wakeTicks);
    }
}

// Timer1 (the link probe) in LinkTesting, Timer2 (the link request) in Linking.
void MeterSession::tickLink(SessionTimer timer, const QByteArray &request, int &tries, int maxTries)
{
    if (now() - m_startedMs >= kLinkLimitMs) {
        leave({Kind::LinkFailed, {}, 0, m_pacing.isAwaiting(kLinkRequest)});
        return;
    }
    if (!askOrRepeat(request, timer))
        return;
    if (++tries > maxTries) {
        tries = 0;
        m_wakeRoundStartMs = now();
        enter(State::Rewaking);
    }
}

// The count request and the sleep command have no timer of their own: the
// poll asks them again when due. False when the meter has been silent too long.
bool MeterSession::followUp(SessionTimer timer, const QByteArray &request)
{
    const int interval = sessionTimer(timer).intervalMs;
    if (m_pacing.silentTooLong(interval, now()))
        return false;
    if (m_pacing.repeatDue(interval, now())) {
        m_pacing.askedAgain(now());
        m_link.write(request);
    }
    return true;
}

// Timer3 asks first halves, Timer4 second halves.
void MeterSession::tickPass(SessionTimer timer)
{
    if (!m_pacing.isLineClear(now()))
        return;
    const QByteArray frame = halfRequest();
    const int interval = sessionTimer(timer).intervalMs;
    if (m_pacing.isAwaiting(frame) && m_pacing.silentTooLong(interval, now())) {
        leave({Kind::Silent, {}, int(m_pacing.silenceLimitMs(interval) / 1000)});
        return;
    }
    // Taken before the request goes out: a line lost while writing ends the pass.
    const int index = m_state == State::FirstHalves ? m_record : m_meterCount + m_record;
    if (askOrRepeat(frame, timer))
        Q_EMIT halfAsked(index);
}

// Only the answer to the record request on the line is a record half.
void MeterSession::answerHalf(const QByteArray &rx)
{
    if (!m_pacing.isAwaiting(halfRequest()))
        return;
    m_pacing.answered(now());
    Reading &record = m_records[m_record - 1];
    if (m_state == State::FirstHalves) {
        RecordCodec::decodeFirstHalf(quint8(rx.at(0)), quint8(rx.at(1)), record);
        if (m_record < m_meterCount) {
            ++m_record;
            return;
        }
        m_record = 1;
        enter(State::SecondHalves);
        return;
    }
    RecordCodec::decodeSecondHalf(quint8(rx.at(0)), quint8(rx.at(1)), record);
    if (m_record < m_meterCount)
        ++m_record;
    else
        enter(State::Ending);
}

void MeterSession::lineLost(const QString &reason)
{
    switch (m_state) {
    case State::Ending:
        if (m_meterCount > 0)
            break;
        [[fallthrough]];
    case State::SayingGoodbye:
        m_problem = {Kind::LineLost, {}, 0, false, reason};
        m_link.close();
        enter(State::DoneUnconfirmed);
        return;
    case State::Leaving: fail(m_problem); return;
    default: break;
    }
    const bool downloading = timersOf(m_state) != 0 && m_state != State::Done;
    fail({Kind::LineLost, {}, 0, false, reason, downloading});
}

bool MeterSession::isRunning() const
{
    switch (m_state) {
    case State::Idle:
    case State::WakeFailed:
    case State::Done:
    case State::DoneUnconfirmed:
    case State::Failed: return false;
    default: return true;
    }
}

// Woken in this download and not told to sleep since.
bool MeterSession::meterAwake() const
{
    switch (m_state) {
    case State::Idle:
    case State::Waking:
    case State::WakeFailed:
    case State::Leaving:
    case State::Done:
    case State::DoneUnconfirmed:
    case State::Failed: return false;
    default: return true;
    }
}

// Timers follow the state: those of the state left stop, those of the state
// entered start (all of them afresh when restartTimers is set).
void MeterSession::enter(State next, bool restartTimers)
{
    const State from = m_state;
    const int was = timersOf(from);
    const int will = timersOf(next);
    m_state = next;
    for (const SessionTimerRow &row : kSessionTimers)
        if ((was & bit(row.timer)) && (restartTimers || !(will & bit(row.timer))))
            Q_EMIT timerActiveChanged(row.timer, false);
    for (const SessionTimerRow &row : kSessionTimers)
        if ((will & bit(row.timer)) && (restartTimers || !(was & bit(row.timer))))
            Q_EMIT timerActiveChanged(row.timer, true);
    // Last: whoever shows a message box on it does so with the timers set.
    Q_EMIT stateChanged(from, next);
}

// The download has failed. A meter that is awake is told to sleep, and the
// port stays open until it says goodbye (or must have).
void MeterSession::leave(Problem problem)
{
    Sleep();
    if (!meterAwake()) {
        fail(std::move(problem));
        return;
    }
    m_problem = std::move(problem);
    enter(State::Leaving, true);
}

// The one way into Failed.
void MeterSession::fail(Problem problem)
{
    m_problem = std::move(problem);
    m_link.close();
    enter(State::Failed);
}

void MeterSession::garbled(const QByteArray &rx)
{
    leave({Kind::Garbled, rx});
}

void MeterSession::wokeUp()
{
    // Timed from the first wake-up byte of this round: an upper bound, good
    // enough until an answer to a single request is timed. A late answer after
    // waking failed tells nothing.
    if (m_state != State::WakeFailed)
        m_pacing.wokeUpAfter(now() - m_wakeRoundStartMs);
    enter(State::LinkTesting);
}

void MeterSession::linkTested()
{
    m_pacing.answered(now());
    m_helloTries = 0;
    enter(State::Linking);
}

void MeterSession::linked()
{
    m_pacing.answered(now());
    enter(State::AwaitingCount);
    if (m_pacing.isLineClear(now()))
        GetData();
}

void MeterSession::countAnswered(int count)
{
    m_meterCount = count;
    if (count == 0) {
        // Nothing to save: only goodbye is left, said once the line is clear.
        if (m_pacing.isLineClear(now())) {
            Sleep();
            enter(State::SayingGoodbye);
        } else {
            enter(State::Ending);
        }
        return;
    }
    m_records = QList<Reading>(count);
    m_record = 1;
    enter(State::FirstHalves);
}

// The pass's request for the record it has reached.
QByteArray MeterSession::halfRequest() const
{
    return m_state == State::FirstHalves ? firstHalfRequest(m_record) : secondHalfRequest(m_record);
}

void MeterSession::ask(const QByteArray &request)
{
    m_pacing.asked(request, now());
    m_link.write(request);
}

// Sends the request when it is new, or again when due. Whether it went out.
bool MeterSession::askOrRepeat(const QByteArray &request, SessionTimer timer)
{
    if (!m_pacing.isAwaiting(request)) {
        ask(request);
        return true;
    }
    if (!m_pacing.repeatDue(sessionTimer(timer).intervalMs, now()))
        return false;
    m_pacing.askedAgain(now());
    m_link.write(request);
    return true;
}

void MeterSession::GetData()
{
    ask(kCountRequest);
}

void MeterSession::Sleep()
{
    ask(kSleep);
    Q_EMIT sleepSent();
}
