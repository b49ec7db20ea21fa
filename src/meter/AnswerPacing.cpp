#include "meter/AnswerPacing.h"

#include "meter/MeterProtocol.h"

#include <algorithm>

void AnswerPacing::asked(const QByteArray &request, qint64 nowMs)
{
    m_request = request;
    m_firstSentMs = m_lastSentMs = nowMs;
    m_copies = 1;
    m_answered = false;
}

void AnswerPacing::askedAgain(qint64 nowMs)
{
    ++m_copies;
    m_lastSentMs = nowMs;
}

bool AnswerPacing::isAwaiting(const QByteArray &request) const
{
    return !m_answered && m_request == request;
}

bool AnswerPacing::repeatDue(int intervalMs, qint64 nowMs) const
{
    return nowMs - m_lastSentMs >= repeatAfterMs(intervalMs);
}

bool AnswerPacing::silentTooLong(int intervalMs, qint64 nowMs) const
{
    return nowMs - m_firstSentMs >= silenceLimitMs(intervalMs);
}

qint64 AnswerPacing::silenceLimitMs(int intervalMs) const
{
    return std::max<qint64>(kMaxSilenceMs, 4 * repeatAfterMs(intervalMs));
}

qint64 AnswerPacing::slowestAnswerMs() const
{
    return m_timedExactly ? m_slowestMs : std::max(m_slowestMs, m_wakeAnswerMs);
}

qint64 AnswerPacing::repeatAfterMs(int intervalMs) const
{
    return std::max<qint64>(intervalMs, slowestAnswerMs() * 3 / 2 + kAnswerMarginMs);
}

void AnswerPacing::wokeUpAfter(qint64 ms)
{
    m_wakeAnswerMs = std::max(m_wakeAnswerMs, ms);
}

// Timed exactly when the request went out once; otherwise the copies' answers
// may still come, one after another, each as slow as the first could have been.
void AnswerPacing::answered(qint64 nowMs)
{
    m_answered = true;
    if (m_copies == 1) {
        learn(nowMs - m_firstSentMs, true);
        return;
    }
    learn(nowMs - m_lastSentMs, false);
    // Since the first request went out is as slow as the meter can have been.
    const qint64 perCopy = std::max(slowestAnswerMs() * 3 / 2, nowMs - m_firstSentMs) + kAnswerMarginMs;
    const bool probe = m_request == MeterProtocol::kLinkProbe;
    m_drain = {m_copies - 1,  nowMs + (m_copies - 1) * perCopy,
               probe ? 2 : 3, probe ? MeterProtocol::kProbeAnswer.back() : MeterProtocol::kAnswerEnd,
               m_firstSentMs, nowMs};
}

// When every copy has answered, the first answer belonged to the first
// request, which times the meter exactly.
bool AnswerPacing::swallowed(const QByteArray &rx, qint64 nowMs)
{
    if (isLineClear(nowMs))
        return false;
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

bool AnswerPacing::isLineClear(qint64 nowMs)
{
    if (m_drain.copies > 0 && nowMs >= m_drain.untilMs)
        m_drain.copies = 0; // the rest were lost
    return m_drain.copies == 0;
}

void AnswerPacing::learn(qint64 ms, bool exact)
{
    if (exact && !m_timedExactly) {
        m_timedExactly = true;
        m_slowestMs = ms;
    } else {
        m_slowestMs = std::max(m_slowestMs, ms);
    }
}
