#include "meter-emulator/MeterResponder.h"

#include <algorithm>

MeterResponder::MeterResponder(const QList<MeterRecord> &records, const FaultOptions &faults, quint32 seed)
    : m_model(records, !faults.noWakeup)
    , m_faults(faults, int(records.size()), seed)
    , m_delayMs(faults.delayMs)
{
}

QList<MeterResponder::Output> MeterResponder::hear(const QByteArray &bytes, qint64 nowMs)
{
    QList<Output> out;
    for (const MeterRequest &request : m_parser.feed(bytes)) {
        if (m_hungUp)
            break;
        out += answer(request, nowMs);
    }
    return out;
}

QList<MeterResponder::Output> MeterResponder::answer(const MeterRequest &request, qint64 nowMs)
{
    const QByteArray answer = m_model.answerTo(request);
    if (answer.isEmpty())
        return {};
    const FaultPlan::Decision d = m_faults.decide(request);
    // A lost answer took the meter its time all the same.
    const qint64 at = m_busyUntilMs = std::max(nowMs, m_busyUntilMs) + m_delayMs;
    QList<Output> out;
    switch (d.delivery) {
    case FaultPlan::Delivery::HangUp: m_hungUp = true; return {{at, {}, Output::HangUp}};
    case FaultPlan::Delivery::Drop: return {{at, answer, Output::Lost}};
    case FaultPlan::Delivery::Whole: out.append({at, answer}); break;
    case FaultPlan::Delivery::Double: out.append({at, answer + answer}); break;
    case FaultPlan::Delivery::Late: out.append({at + kLateAnswerMs, answer}); break;
    case FaultPlan::Delivery::Split:
        out.append({at, answer.left(1)});
        out.append({at + kSplitGapMs, answer.mid(1)});
        break;
    }
    m_model.accept(request);
    if (d.strayByteAfter)
        out.append({at + kStrayDelayMs, QByteArray(1, d.strayByte)});
    return out;
}
