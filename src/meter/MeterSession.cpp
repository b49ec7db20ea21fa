#include "meter/MeterSession.h"

#include "meter/MeterProtocol.h"
#include "meter/RecordCodec.h"

#include <algorithm>

namespace {
constexpr int kPassTickMs = 50;
constexpr int kPollMs = 20;
}

MeterSession::MeterSession(MeterLink &link, ReadingTables &tables, SaveStep save, QObject *parent)
    : QObject(parent)
    , m_link(link)
    , m_tables(tables)
    , m_save(std::move(save))
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

    m_linkStep = 1;
    m_wakeTicks = 0;
    m_probeTries = 0;
    m_helloTries = 0;
    m_firstIndex = 0;
    m_secondIndex = 0;
    m_unansweredTicks = 0;
    m_unansweredPolls = 0;
    m_requestsOutstanding = 0;
    m_lateAnswersPossible = false;
    m_saved = false;
    m_complete = false;

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
    switch (timer) {
    case SessionTimer::Rt: poll(); break;
    case SessionTimer::OP: wakeTick(); break;
    case SessionTimer::T1: probeTick(); break;
    case SessionTimer::T2: linkRequestTick(); break;
    case SessionTimer::T3: firstPassTick(); break;
    case SessionTimer::T4: secondPassTick(); break;
    case SessionTimer::Sleep: sleepTick(); break;
    }
}

void MeterSession::linkLost(const QString &reason)
{
    const bool downloading = isAnyTimerActive() && !m_saved && !m_complete;
    stopAllTimers();
    m_link.close();
    const QString text = MeterTexts::linkLost(reason) + (downloading ? MeterTexts::kNothingSaved : QString());
    Q_EMIT message(text);
    Q_EMIT failed(text);
}

void MeterSession::stop()
{
    stopAllTimers();
    m_link.close();
}

bool MeterSession::isAnyTimerActive() const
{
    return std::any_of(m_timers.begin(), m_timers.end(), [](bool on) { return on; });
}

void MeterSession::poll()
{
    if (m_link.bytesWaiting() < 1) {
        watchUnansweredPoll();
        return;
    }
    interpret(m_link.readAll());
}

// The count request is sent once and the sleep command ends the download, so
// neither has a timer of its own to notice that the meter went quiet.
void MeterSession::watchUnansweredPoll()
{
    const bool awaitingCount = m_linkStep == 2;
    const bool awaitingSleepAnswer = m_linkStep == 4 && !m_complete && !isTimerActive(SessionTimer::Sleep);
    if (!awaitingCount && !awaitingSleepAnswer)
        return;
    if (++m_unansweredPolls < kMaxUnansweredPolls)
        return;
    if (awaitingCount) {
        abandon(MeterTexts::noAnswer(kMaxUnansweredPolls * kPollMs / 1000));
        return;
    }
    // The readings are saved; only the meter's goodbye was lost.
    setTimer(SessionTimer::Rt, false);
    m_complete = true;
    Q_EMIT finished();
}

void MeterSession::interpret(const QByteArray &rx)
{
    using namespace MeterProtocol;
    switch (rx.size()) {
    case 0:
        return;
    case 1:
        if (rx == kWokeUp && m_linkStep == 1) {
            setLabel(MeterTexts::kWakePleaseWait);
            setTimer(SessionTimer::OP, false);
            setTimer(SessionTimer::T1, true);
        }
        return;
    case 2:
        if (rx == kProbeAnswer && m_linkStep == 1) {
            setLabel(MeterTexts::kLinking);
            setTimer(SessionTimer::T1, false);
            setTimer(SessionTimer::T2, true);
        }
        return;
    case 3:
        if (rx == kLinkAnswer && m_linkStep == 1) {
            setLabel(MeterTexts::kOnLine);
            setTimer(SessionTimer::T2, false);
            m_linkStep = 2;
            m_unansweredPolls = 0;
            GetData();
        } else if (rx == kLinkAnswer && m_linkStep == 4) {
            setLabel(MeterTexts::complete(m_meterCount));
            if (!m_complete) {
                m_complete = true;
                Q_EMIT finished();
            }
        } else if (rx.at(1) == kCountMark && rx.at(2) == kAnswerEnd && m_linkStep == 2) {
            countAnswered(quint8(rx.at(0)));
        } else if (rx.at(2) == kAnswerEnd && m_linkStep == 3) {
            storeHalf(quint8(rx.at(0)), quint8(rx.at(1)));
        }
        return;
    default:
        receiveError(rx);
        return;
    }
}

void MeterSession::countAnswered(int count)
{
    m_meterCount = count;
    m_linkStep = 3;
    if (m_meterCount == 0) {
        Sleep();
        setLabel(MeterTexts::kNoNewData);
        return;
    }
    setLabel(MeterTexts::dataInMeter(m_meterCount));
    setProgressMaximum(2 * m_meterCount);
    m_unansweredTicks = 0;
    setTimer(SessionTimer::T3, true);
    m_firstIndex = 1;
}

void MeterSession::storeHalf(quint8 b0, quint8 b1)
{
    // An answer with no request waiting for it is a late copy for a record
    // already taken.
    if (m_requestsOutstanding == 0)
        return;
    m_lateAnswersPossible = m_requestsOutstanding > 1;
    m_requestsOutstanding = 0;
    if (m_firstIndex >= 1 && m_firstIndex <= m_meterCount) {
        RecordCodec::decodeFirstHalf(b0, b1, m_tables.downloadAt(m_firstIndex));
        m_unansweredTicks = 0;
        if (m_firstIndex < m_meterCount) {
            ++m_firstIndex;
            return;
        }
        // The first pass is complete: go straight on to the second halves.
        m_firstIndex = 0;
        setTimer(SessionTimer::T3, false);
        m_secondIndex = 1;
        setTimer(SessionTimer::T4, true);
    } else if (m_secondIndex >= 1 && m_secondIndex <= m_meterCount) {
        RecordCodec::decodeSecondHalf(b0, b1, m_tables.downloadAt(m_secondIndex));
        m_unansweredTicks = 0;
        if (m_secondIndex < m_meterCount) {
            ++m_secondIndex;
            return;
        }
        // Every record is complete: the sleep command and the save step follow.
        m_secondIndex = 0;
        m_sleepTicks = 0;
        setTimer(SessionTimer::T4, false);
        setTimer(SessionTimer::Sleep, true);
    }
}

void MeterSession::receiveError(const QByteArray &rx)
{
    Sleep();
    stopAllTimers();
    m_link.close();
    const QString text = MeterTexts::receiveError(int(rx.size()), MeterProtocol::bracketedHex(rx));
    Q_EMIT message(text);
    setProgress(0);
    Q_EMIT failed(text);
}

void MeterSession::abandon(const QString &text)
{
    stopAllTimers();
    m_link.close();
    Q_EMIT message(text);
    setProgress(0);
    Q_EMIT failed(text);
}

void MeterSession::wakeTick()
{
    m_link.write(MeterProtocol::kWakeUp);
    ++m_wakeTicks;
    if (m_wakeTicks >= kWakeTicksBeforeFailure) {
        // Also when wake-ups resume after a failed probe past the limit: the
        // session must give up rather than wake the meter for ever.
        setLabel(MeterTexts::kWakeFailed);
        setTimer(SessionTimer::OP, false);
        Q_EMIT failed(MeterTexts::kWakeFailed);
    } else if (m_wakeTicks % 10 == 0) {
        setLabel(MeterTexts::wakeWaiting(m_wakeTicks / 10));
    } else if (m_wakeTicks % 10 == 9) {
        setLabel(QString());
    }
}

void MeterSession::probeTick()
{
    ++m_probeTries;
    m_link.write(MeterProtocol::kLinkProbe);
    if (m_probeTries > 10) {
        setTimer(SessionTimer::T1, false);
        setLabel(MeterTexts::kLinkTesting);
        setTimer(SessionTimer::OP, true);
        m_probeTries = 0;
    }
}

void MeterSession::linkRequestTick()
{
    ++m_helloTries;
    m_link.write(MeterProtocol::kLinkRequest);
    if (m_helloTries > 5) {
        setTimer(SessionTimer::T2, false);
        setLabel(MeterTexts::kLinkTesting);
        setTimer(SessionTimer::OP, true);
        m_helloTries = 0;
    }
}

// Before the first request for a record: when the previous record was asked for
// more than once, one tick is left for a late answer to arrive and be dropped,
// and nothing stale stays in the line.
bool MeterSession::settlingAfterRepeats()
{
    if (m_requestsOutstanding > 0 || !m_lateAnswersPossible)
        return false;
    m_lateAnswersPossible = false;
    if (m_link.bytesWaiting() > 0)
        m_link.readAll();
    return true;
}

bool MeterSession::passRequestStalled()
{
    if (m_unansweredTicks >= kMaxUnansweredTicks) {
        abandon(MeterTexts::noAnswer(kMaxUnansweredTicks * kPassTickMs / 1000));
        return true;
    }
    ++m_unansweredTicks;
    return false;
}

void MeterSession::firstPassTick()
{
    if (m_firstIndex < 1 || m_firstIndex > m_meterCount || settlingAfterRepeats() || passRequestStalled())
        return;
    m_link.write(MeterProtocol::firstHalfRequest(m_firstIndex));
    ++m_requestsOutstanding;
    setProgress(m_firstIndex);
}

void MeterSession::secondPassTick()
{
    if (m_secondIndex < 1 || m_secondIndex > m_meterCount || settlingAfterRepeats() || passRequestStalled())
        return;
    m_link.write(MeterProtocol::secondHalfRequest(m_secondIndex));
    ++m_requestsOutstanding;
    setProgress(m_secondIndex + m_meterCount);
}

void MeterSession::sleepTick()
{
    // One tick is enough: the timer stops at once and the save step runs.
    ++m_sleepTicks;
    Sleep();
    setTimer(SessionTimer::Sleep, false);
    QString error;
    if (m_save && !m_save(&error)) {
        stopAllTimers();
        m_link.close();
        const QString text = MeterTexts::notSaved(error);
        Q_EMIT message(text);
        Q_EMIT failed(text);
        return;
    }
    m_saved = true;
}

void MeterSession::GetData()
{
    m_link.write(MeterProtocol::kCountRequest);
}

void MeterSession::Sleep()
{
    m_linkStep = 4;
    m_unansweredPolls = 0;
    m_link.write(MeterProtocol::kSleep);
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
    for (int i = 0; i < kSessionTimerCount; ++i)
        setTimer(SessionTimer(i), false);
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
