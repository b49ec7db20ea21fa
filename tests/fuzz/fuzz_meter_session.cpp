// Any bytes as the meter's answers: each time the program sends something the
// next answer goes back, then the line stays quiet. An answer is a control
// byte (low three bits: its length 0-6, or 7 for the line hanging up; the
// rest: its delay in tens of milliseconds) and that many bytes. The timers
// keep ticking in between on a clock of the rig's own. Whatever comes, the
// session must not crash, and once the meter is quiet the download must end.

#include "common/SessionRig.h"

#include <cstdint>
#include <cstdlib>

namespace {

// Longer than any download can wait for a quiet meter: the link limit and the
// longest silence after the slowest answer the control byte can ask for.
constexpr qint64 kQuietEndsWithinMs = MeterSession::kLinkLimitMs + 60000;
// Longer than the slowest timer's interval.
constexpr qint64 kSettledMs = 2000;

class Answers
{
public:
    Answers(const uint8_t *data, size_t size)
        : m_data(data)
        , m_size(size)
    {
    }

    QList<SessionRig::Output> next(qint64 nowMs)
    {
        if (m_pos >= m_size)
            return {};
        const uint8_t control = m_data[m_pos++];
        const qint64 atMs = nowMs + 10 * (control >> 3);
        const size_t length = control & 7;
        if (length == 7)
            return {{atMs, {}, SessionRig::Output::HangUp}};
        const size_t n = std::min(length, m_size - m_pos);
        const QByteArray bytes(reinterpret_cast<const char *>(m_data + m_pos), qsizetype(n));
        m_pos += n;
        return {{atMs, bytes, SessionRig::Output::Sent}};
    }
    bool spent() const { return m_pos >= m_size; }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_pos = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Answers answers(data, size);
    SessionRig rig([&answers](const QByteArray &, qint64 nowMs) { return answers.next(nowMs); });
    const auto onlyListening = [&rig] {
        for (const SessionTimerRow &row : kSessionTimers)
            if (row.timer != SessionTimer::Rt && rig.session.isTimerActive(row.timer))
                return false;
        return true;
    };
    rig.session.start();
    qint64 quietSinceMs = -1;
    qint64 listeningSinceMs = -1;
    rig.run(24 * 3600000, [&] {
        if (quietSinceMs < 0 && answers.spent())
            quietSinceMs = rig.now;
        // Between two steps only TimerRt may run for a moment, never for seconds.
        if (!rig.incoming.isEmpty() || !onlyListening())
            listeningSinceMs = -1;
        else if (listeningSinceMs < 0)
            listeningSinceMs = rig.now;
        return (listeningSinceMs >= 0 && rig.now - listeningSinceMs > kSettledMs)
               || (quietSinceMs >= 0 && rig.now - quietSinceMs > kQuietEndsWithinMs);
    });
    // Listening for a late wake-up answer is all a quiet meter may leave running.
    if (!onlyListening())
        std::abort();
    return 0;
}
