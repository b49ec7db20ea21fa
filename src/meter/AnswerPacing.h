#pragma once

#include <QByteArray>

// The one request on the line, and how fast the meter answers.
//
// Answers carry no request of their own (a record half does not even say which
// record it belongs to), so one request is on the line at a time. A request is
// asked again only after a silence longer than the slowest answer seen so far
// (repeatDue()), and once an answer to a repeated request is in, nothing new is
// asked until the answers to the other copies have come or must have come
// (isLineClear()): a late copy is never taken for the next answer. A meter
// answering within 45 ms keeps the pace of one request per 50 ms tick; a slow
// one is asked more slowly. Times are milliseconds of the session's clock; the
// timer interval given is that of the timer that asks.
class AnswerPacing
{
public:
    // A request unanswered this long (or four repeat intervals of a slow meter,
    // if longer) is given up.
    static constexpr int kMaxSilenceMs = 2000;
    // Added to one and a half times the slowest answer before a request is asked again.
    static constexpr int kAnswerMarginMs = 40;

    // A new download: nothing asked, nothing learnt.
    void reset() { *this = {}; }

    // The request went out for the first time, or once more.
    void asked(const QByteArray &request, qint64 nowMs);
    void askedAgain(qint64 nowMs);
    // The request is on the line and not answered yet.
    bool isAwaiting(const QByteArray &request) const;
    // The meter has been silent long enough since the request last went out.
    bool repeatDue(int intervalMs, qint64 nowMs) const;
    // The request first went out too long ago.
    bool silentTooLong(int intervalMs, qint64 nowMs) const;
    qint64 silenceLimitMs(int intervalMs) const;

    // The awaited answer is in.
    void answered(qint64 nowMs);
    // The meter answered a wake-up byte this long after the first one: an upper
    // bound on its answers until one request is timed exactly.
    void wokeUpAfter(qint64 ms);
    // Whatever arrives while copies of a repeated request may still be
    // answered is theirs: dropped (true). False when the line is clear.
    bool swallowed(const QByteArray &rx, qint64 nowMs);
    // No answer to a copy is still owed.
    bool isLineClear(qint64 nowMs);

private:
    qint64 slowestAnswerMs() const;
    qint64 repeatAfterMs(int intervalMs) const;
    void learn(qint64 ms, bool exact);

    // The request on the line: when it first and last went out, how often.
    QByteArray m_request;
    qint64 m_firstSentMs = 0;
    qint64 m_lastSentMs = 0;
    int m_copies = 0;
    bool m_answered = true;

    // Answers to copies of a repeated request that may still come.
    struct Drain
    {
        int copies = 0;
        qint64 untilMs = 0;
        int answerSize = 3;
        char lastByte = 0;
        qint64 firstSentMs = 0; // of the request, and when its first answer came
        qint64 firstAnswerMs = 0;
    } m_drain;

    // Until an answer is timed exactly, the wake-up answer stands in for it.
    qint64 m_wakeAnswerMs = 0;
    qint64 m_slowestMs = 0;
    bool m_timedExactly = false;
};
