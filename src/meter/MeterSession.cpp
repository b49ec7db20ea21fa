#include "meter/MeterSession.h"

#include "meter/MeterProtocol.h"
#include "meter/RecordCodec.h"

#include <algorithm>

MeterSession::MeterSession(MeterLink &link, Clock clock, QObject *parent)
    : QObject(parent)
    , m_link(link)
    , m_clock(std::move(clock))
{
}

bool MeterSession::openPort()
{
    if (!m_link.open())
        return false;
    m_link.setDtr(false);
    setProgress(0);
    return true;
}

bool MeterSession::start()
{
    // A second press must not leave the old pass timers running: their answers
    // would be stored as halves of the new download.
    stopAllTimers();
    if (!m_link.isOpen()) {
        if (!m_link.open()) {
            m_state = State::Failed;
            Q_EMIT message(MeterTexts::kPortError);
            Q_EMIT failed(MeterTexts::kPortError);
            return false;
        }
        m_link.setDtr(false);
    }
    m_link.setDtr(true);
    // Late answers to the previous press are not answers to this one.
    if (m_link.bytesWaiting() > 0)
        m_link.readAll();
    // Awake, the meter would not answer the wake-up byte: a download still
    // running says goodbye first (its answer is left over, see interpret()).
    if (meterAwake())
        m_link.write(MeterProtocol::kSleep);

    m_state = State::Waking;
    m_wakeTicks = 0;
    m_probeTries = 0;
    m_helloTries = 0;
    m_meterCount = 0;
    m_record = 0;
    m_records.clear();
    m_ask = {};
    m_drain = {};
    m_startedMs = m_wakeRoundStartMs = m_clock();
    m_wakeAnswerMs = m_slowestMs = 0;
    m_timedExactly = false;
    m_wokeUp = false;
    m_goodbyeProblem.clear();

    m_link.write(MeterProtocol::kWakeUp);
    setTimer(SessionTimer::Rt, true);
    setTimer(SessionTimer::OP, true);
    return true;
}

void MeterSession::tick(SessionTimer timer)
{
    // A tick that was already queued when its timer stopped is stale.
    if (!isTimerActive(timer))
        return;
    // Whatever has arrived is taken first, so that a request timer never asks
    // again for what has just been answered.
    takeWaiting();
    if (!isTimerActive(timer))
        return;
    switch (timer) {
    case SessionTimer::Rt: followUpOneShots(); break;
    case SessionTimer::OP: wakeTick(); break;
    case SessionTimer::T1: linkTick(MeterProtocol::kLinkProbe, timer, m_probeTries, kLinkProbeTries); break;
    case SessionTimer::T2: linkTick(MeterProtocol::kLinkRequest, timer, m_helloTries, kLinkRequestTries); break;
    case SessionTimer::T3:
    case SessionTimer::T4: passTick(timer); break;
    case SessionTimer::Sleep: sleepTick(); break;
    }
}

void MeterSession::linkLost(const QString &reason)
{
    if (m_state == State::SayingGoodbye) {
        finishSaved(MeterTexts::linkLost(reason), true);
        return;
    }
    if (m_state == State::Leaving) {
        fail(m_failure, m_failureResetsProgress);
        return;
    }
    const bool downloading = isAnyTimerActive() && m_state != State::Done;
    stopAllTimers();
    m_link.close();
    m_state = State::Failed;
    const QString text = MeterTexts::linkLost(reason) + (downloading ? MeterTexts::kNothingSaved : QString());
    Q_EMIT message(text);
    Q_EMIT failed(text);
}

void MeterSession::stop()
{
    // A meter left awake mid-download stays on until its own time-out.
    if (meterAwake())
        m_link.write(MeterProtocol::kSleep);
    stopAllTimers();
    m_link.close();
    m_state = State::Idle;
}

// Woken in this download and not told to sleep since.
bool MeterSession::meterAwake() const
{
    switch (m_state) {
    case State::Idle:
    case State::WakeFailed:
    case State::Leaving:
    case State::Done:
    case State::Failed: return false;
    default: return m_wokeUp;
    }
}

bool MeterSession::isAnyTimerActive() const
{
    return std::any_of(m_timers.begin(), m_timers.end(), [](bool on) { return on; });
}

qint64 MeterSession::slowestAnswerMs() const
{
    return m_timedExactly ? m_slowestMs : std::max(m_slowestMs, m_wakeAnswerMs);
}

void MeterSession::takeWaiting()
{
    if (m_link.bytesWaiting() < 1)
        return;
    const QByteArray rx = m_link.readAll();
    if (!swallowedLateCopies(rx))
        interpret(rx);
}

// The count request and the sleep command have no timer of their own: the
// poll asks again for them, and notices when the meter went quiet.
void MeterSession::followUpOneShots()
{
    const bool awaitingCount = m_state == State::AwaitingCount;
    // While TimerSleep runs, the sleep command has not gone out yet.
    const bool awaitingSleepAnswer = (m_state == State::SayingGoodbye && !isTimerActive(SessionTimer::Sleep))
                                     || m_state == State::Leaving;
    if ((!awaitingCount && !awaitingSleepAnswer) || !lineClear())
        return;
    const QByteArray request = awaitingCount ? MeterProtocol::kCountRequest : MeterProtocol::kSleep;
    if (!isAwaiting(request)) {
        if (awaitingCount)
            GetData();
        return;
    }
    if (m_clock() - m_ask.firstSentMs >= silenceLimitMs(SessionTimer::Rt)) {
        const int seconds = int(silenceLimitMs(SessionTimer::Rt) / 1000);
        if (awaitingCount)
            abandon(MeterTexts::noAnswer(seconds));
        else if (m_state == State::Leaving)
            fail(m_failure, m_failureResetsProgress);
        else
            finishSaved(m_goodbyeProblem.isEmpty() ? MeterTexts::silentFor(seconds) : m_goodbyeProblem, false);
        return;
    }
    if (m_clock() - m_ask.lastSentMs >= repeatAfterMs(SessionTimer::Rt)) {
        ++m_ask.copies;
        m_ask.lastSentMs = m_clock();
        m_link.write(request);
    }
}

// What each state awaits from the meter; anything else is ignored.
void MeterSession::interpret(const QByteArray &rx)
{
    using namespace MeterProtocol;
    if (m_state == State::Leaving) {
        // Only the meter's goodbye matters now; the download has failed already.
        if (rx == kLinkAnswer && isAwaiting(kSleep)) {
            answered();
            fail(m_failure, m_failureResetsProgress);
        }
        return;
    }
    if ((m_state == State::Waking || m_state == State::WakeFailed) && !m_wokeUp) {
        // Before the meter's first answer, whatever else arrives is left over
        // from before the port was opened (an answer to a goodbye said as the
        // port closed): dropped, and the wake-up answer behind it still counts.
        if (rx.endsWith(kWokeUp))
            wokeUp();
        return;
    }
    if (rx.size() > 3) {
        receiveError(rx);
        return;
    }
    switch (m_state) {
    case State::Waking:
    case State::WakeFailed:
        if (rx == kWokeUp) {
            wokeUp();
            return;
        }
        // A late answer to the probe or the link request still counts.
        [[fallthrough]];
    case State::LinkTesting:
    case State::Linking:
        if (rx == kProbeAnswer && isAwaiting(kLinkProbe))
            linkTested();
        else if (rx == kLinkAnswer && isAwaiting(kLinkRequest))
            linked();
        return;
    case State::AwaitingCount:
        // AA 5A AA is a count here: 170 records.
        if (rx.size() == 3 && rx.at(1) == kCountMark && rx.at(2) == kAnswerEnd && isAwaiting(kCountRequest)) {
            answered();
            countAnswered(quint8(rx.at(0)));
        }
        return;
    case State::FirstHalves:
    case State::SecondHalves:
        // AA 5A AA is a record half here.
        if (rx.size() == 3 && rx.at(2) == kAnswerEnd)
            storeHalf(quint8(rx.at(0)), quint8(rx.at(1)));
        return;
    case State::SayingGoodbye:
        if (rx == kLinkAnswer && isAwaiting(kSleep)) {
            answered();
            setLabel(MeterTexts::complete(m_meterCount));
            m_state = State::Done;
            Q_EMIT finished(QString());
        }
        return;
    case State::Idle:
    case State::Ending:
    case State::Leaving:
    case State::Done:
    case State::Failed: return;
    }
}

bool MeterSession::isAwaiting(const QByteArray &request) const
{
    return !m_ask.answered && m_ask.request == request;
}

void MeterSession::wokeUp()
{
    // Timed from the first wake-up byte: an upper bound, good enough until an
    // answer to a single request is timed. A late answer after waking failed
    // tells nothing.
    if (isTimerActive(SessionTimer::OP))
        m_wakeAnswerMs = std::max(m_wakeAnswerMs, m_clock() - m_wakeRoundStartMs);
    m_wokeUp = true;
    m_state = State::LinkTesting;
    setLabel(MeterTexts::kWakePleaseWait);
    setTimer(SessionTimer::OP, false);
    setTimer(SessionTimer::T1, true);
}

void MeterSession::linkTested()
{
    answered();
    m_state = State::Linking;
    setLabel(MeterTexts::kLinking);
    // Also when the answer comes late, after waking went on.
    setTimer(SessionTimer::OP, false);
    setTimer(SessionTimer::T1, false);
    m_helloTries = 0;
    setTimer(SessionTimer::T2, true);
}

void MeterSession::linked()
{
    answered();
    m_state = State::AwaitingCount;
    setLabel(MeterTexts::kOnLine);
    // Only waking and the link request stop. An answer that comes late, once
    // the meter woke again and the probe timer runs, leaves that timer running
    // (see backToWaking()).
    setTimer(SessionTimer::OP, false);
    setTimer(SessionTimer::T2, false);
    if (lineClear())
        GetData();
}

void MeterSession::countAnswered(int count)
{
    m_meterCount = count;
    if (m_meterCount == 0) {
        // Nothing to save: only goodbye is left, said once the line is clear.
        m_state = State::SayingGoodbye;
        if (lineClear())
            Sleep();
        else
            setTimer(SessionTimer::Sleep, true);
        setLabel(MeterTexts::kNoNewData);
        return;
    }
    m_state = State::FirstHalves;
    m_records = QList<Reading>(m_meterCount);
    setLabel(MeterTexts::dataInMeter(m_meterCount));
    setProgressMaximum(2 * m_meterCount);
    setTimer(SessionTimer::T3, true);
    m_record = 1;
}

// The pass's request for the record it has reached.
QByteArray MeterSession::halfRequest() const
{
    return m_state == State::FirstHalves ? MeterProtocol::firstHalfRequest(m_record)
                                         : MeterProtocol::secondHalfRequest(m_record);
}

void MeterSession::storeHalf(quint8 b0, quint8 b1)
{
    // Only the answer to the record request on the line is a record half.
    if (!isAwaiting(halfRequest()))
        return;
    answered();
    Reading &record = m_records[m_record - 1];
    if (m_state == State::FirstHalves) {
        RecordCodec::decodeFirstHalf(b0, b1, record);
        if (m_record < m_meterCount) {
            ++m_record;
            return;
        }
        // The first pass is complete: on to the second halves.
        m_state = State::SecondHalves;
        setTimer(SessionTimer::T3, false);
        m_record = 1;
        setTimer(SessionTimer::T4, true);
        return;
    }
    RecordCodec::decodeSecondHalf(b0, b1, record);
    if (m_record < m_meterCount) {
        ++m_record;
        return;
    }
    // Every record is complete: the sleep command and the save step follow.
    m_state = State::Ending;
    setTimer(SessionTimer::T4, false);
    setTimer(SessionTimer::Sleep, true);
}

void MeterSession::receiveError(const QByteArray &rx)
{
    const QString text = MeterTexts::receiveError(int(rx.size()), MeterProtocol::bracketedHex(rx));
    if (m_state == State::SayingGoodbye) {
        // The readings are saved: the goodbye is said again and awaited; the
        // garbled answer is the warning should the meter stay silent.
        if (m_goodbyeProblem.isEmpty())
            m_goodbyeProblem = text;
        Sleep();
        return;
    }
    leave(text, true);
}

void MeterSession::abandon(const QString &text)
{
    leave(text, true);
}

// The download has failed. A meter that is awake is told to sleep, and the
// port stays open until it says goodbye (or must have): an answer left on the
// line would greet the next download.
void MeterSession::leave(const QString &text, bool resetProgress)
{
    Sleep();
    if (!meterAwake()) {
        fail(text, resetProgress);
        return;
    }
    stopAllTimers();
    setTimer(SessionTimer::Rt, true);
    m_state = State::Leaving;
    m_failure = text;
    m_failureResetsProgress = resetProgress;
}

void MeterSession::fail(const QString &text, bool resetProgress)
{
    stopAllTimers();
    m_link.close();
    m_state = State::Failed;
    Q_EMIT message(text);
    if (resetProgress)
        setProgress(0);
    Q_EMIT failed(text);
}

void MeterSession::linkFailed()
{
    abandon(MeterTexts::linkFailed(isAwaiting(MeterProtocol::kLinkRequest) ? MeterTexts::kLinkRequestStep
                                                                           : MeterTexts::kLinkTestStep));
}

void MeterSession::backToWaking()
{
    // A probe timer left running by a late link answer wakes the meter again
    // wherever the download is.
    if (m_state == State::LinkTesting || m_state == State::Linking)
        m_state = State::Waking;
    setTimer(SessionTimer::T1, false);
    setTimer(SessionTimer::T2, false);
    setLabel(MeterTexts::kLinkTesting);
    m_wakeRoundStartMs = m_clock();
    setTimer(SessionTimer::OP, true);
}

// The readings are in the file (or the meter held none); only the meter's
// goodbye went wrong. The download ends as complete, with a warning.
void MeterSession::finishSaved(const QString &problem, bool closePort)
{
    stopAllTimers();
    if (closePort)
        m_link.close();
    setLabel(MeterTexts::complete(m_meterCount));
    m_state = State::Done;
    Q_EMIT finished(MeterTexts::meterMayBeOn(problem));
}

void MeterSession::wakeTick()
{
    m_link.write(MeterProtocol::kWakeUp);
    ++m_wakeTicks;
    if (m_wokeUp && (m_wakeTicks >= kWakeTicksBeforeFailure || m_clock() - m_startedMs >= kLinkLimitMs)) {
        // It woke before, so the link is what fails; waking it again and
        // again would never end.
        linkFailed();
    } else if (m_wakeTicks >= kWakeTicksBeforeFailure) {
        m_state = State::WakeFailed;
        setLabel(MeterTexts::kWakeFailed);
        setTimer(SessionTimer::OP, false);
        Q_EMIT failed(MeterTexts::kWakeFailed);
    } else if (m_wakeTicks % 10 == 0) {
        // Tens of ticks, that is half-seconds, shown as "(1s)" to "(4s)": the
        // count-down reads as it always has, not as a measured time.
        setLabel(MeterTexts::wakeWaiting(m_wakeTicks / 10));
    } else if (m_wakeTicks % 10 == 9) {
        setLabel(QString());
    }
}

// The link probe (Timer1) and the link request (Timer2).
void MeterSession::linkTick(const QByteArray &request, SessionTimer timer, int &tries, int maxTries)
{
    if (m_clock() - m_startedMs >= kLinkLimitMs) {
        linkFailed();
        return;
    }
    if (!askOrRepeat(request, timer))
        return;
    if (++tries > maxTries) {
        tries = 0;
        backToWaking();
    }
}

// A pass's timer runs only in its state: Timer3 asks first halves, Timer4 second halves.
void MeterSession::passTick(SessionTimer timer)
{
    if (!lineClear())
        return;
    const QByteArray frame = halfRequest();
    if (isAwaiting(frame) && m_clock() - m_ask.firstSentMs >= silenceLimitMs(timer)) {
        abandon(MeterTexts::noAnswer(int(silenceLimitMs(timer) / 1000)));
        return;
    }
    // Taken before the request goes out: a line lost while writing ends the pass.
    const int progress = m_state == State::FirstHalves ? m_record : m_meterCount + m_record;
    if (askOrRepeat(frame, timer))
        setProgress(progress);
}

void MeterSession::sleepTick()
{
    if (!lineClear())
        return;
    // One tick is enough: the timer stops at once and the save step runs.
    Sleep();
    setTimer(SessionTimer::Sleep, false);
    if (m_meterCount == 0)
        return; // already saying goodbye: nothing to save
    m_state = State::SayingGoodbye;
    Q_EMIT recordsComplete(m_records);
}

void MeterSession::notSaved(const QString &error)
{
    // The sleep command has just gone out: its answer is awaited before the port closes.
    m_state = State::Leaving;
    m_failure = MeterTexts::notSaved(error);
    m_failureResetsProgress = false;
}

void MeterSession::ask(const QByteArray &request)
{
    const qint64 now = m_clock();
    m_ask = {request, now, now, 1, false};
    m_link.write(request);
}

// Sends the request when it is new, or again when the meter has been silent
// for longer than it ever takes to answer. Whether it went out.
bool MeterSession::askOrRepeat(const QByteArray &request, SessionTimer timer)
{
    if (!isAwaiting(request)) {
        ask(request);
        return true;
    }
    if (m_clock() - m_ask.lastSentMs < repeatAfterMs(timer))
        return false;
    ++m_ask.copies;
    m_ask.lastSentMs = m_clock();
    m_link.write(request);
    return true;
}

qint64 MeterSession::repeatAfterMs(SessionTimer timer) const
{
    return std::max<qint64>(sessionTimer(timer).intervalMs, slowestAnswerMs() * 3 / 2 + kAnswerMarginMs);
}

qint64 MeterSession::silenceLimitMs(SessionTimer timer) const
{
    return std::max<qint64>(kMaxSilenceMs, 4 * repeatAfterMs(timer));
}

// The awaited answer is in. Timed exactly when the request went out once;
// otherwise the copies' answers may still come, one after another, each as
// slow as the first could have been.
void MeterSession::answered()
{
    const qint64 now = m_clock();
    m_ask.answered = true;
    if (m_ask.copies == 1) {
        learn(now - m_ask.firstSentMs, true);
        return;
    }
    learn(now - m_ask.lastSentMs, false);
    // Since the first request went out is as slow as the meter can have been.
    const qint64 perCopy = std::max(slowestAnswerMs() * 3 / 2, now - m_ask.firstSentMs) + kAnswerMarginMs;
    const bool probe = m_ask.request == MeterProtocol::kLinkProbe;
    m_drain = {m_ask.copies - 1,  now + (m_ask.copies - 1) * perCopy,
               probe ? 2 : 3,     probe ? MeterProtocol::kProbeAnswer.back() : MeterProtocol::kAnswerEnd,
               m_ask.firstSentMs, now};
}

// While copies' answers may still come, whatever arrives is dropped. When
// every copy has answered, the first answer belonged to the first request,
// which times the meter exactly.
bool MeterSession::swallowedLateCopies(const QByteArray &rx)
{
    if (!lineClear()) {
        const int size = m_drain.answerSize;
        bool copies = rx.size() % size == 0;
        for (qsizetype i = size - 1; copies && i < rx.size(); i += size)
            copies = rx.at(i) == m_drain.lastByte;
        if (copies && (m_drain.copies -= int(rx.size() / size)) <= 0) {
            learn(m_drain.firstAnswerMs - m_drain.firstSentMs, true);
            m_drain.copies = 0;
        }
        return true;
    }
    return false;
}

bool MeterSession::lineClear()
{
    if (m_drain.copies > 0 && m_clock() >= m_drain.untilMs)
        m_drain.copies = 0; // the rest were lost
    return m_drain.copies == 0;
}

void MeterSession::learn(qint64 ms, bool exact)
{
    if (exact && !m_timedExactly) {
        m_timedExactly = true;
        m_slowestMs = ms;
    } else {
        m_slowestMs = std::max(m_slowestMs, ms);
    }
}

void MeterSession::GetData()
{
    ask(MeterProtocol::kCountRequest);
}

void MeterSession::Sleep()
{
    ask(MeterProtocol::kSleep);
    Q_EMIT listLine(MeterTexts::readLine(m_meterCount));
}

void MeterSession::setTimer(SessionTimer timer, bool active)
{
    bool &on = m_timers[index(timer)];
    if (on == active)
        return;
    on = active;
    Q_EMIT timerActiveChanged(timer, active);
}

void MeterSession::stopAllTimers()
{
    for (const SessionTimerRow &row : kSessionTimers)
        setTimer(row.timer, false);
}

void MeterSession::setLabel(const QString &text)
{
    if (m_label == text)
        return;
    m_label = text;
    Q_EMIT labelChanged(text);
}

void MeterSession::setProgress(int value)
{
    if (m_progress == value)
        return;
    m_progress = value;
    Q_EMIT progressChanged(value);
}

void MeterSession::setProgressMaximum(int maximum)
{
    if (m_progressMaximum == maximum)
        return;
    m_progressMaximum = maximum;
    Q_EMIT progressMaximumChanged(maximum);
}
