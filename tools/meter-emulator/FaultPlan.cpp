#include "meter-emulator/FaultPlan.h"

FaultPlan::FaultPlan(const FaultOptions &options, int recordCount, quint32 seed)
    : m_options(options)
    , m_recordCount(recordCount)
    , m_rng(seed)
{
}

FaultPlan::Decision FaultPlan::decide(const MeterRequest &request)
{
    Decision d;
    if (m_options.portVanishes
        || (request.isRecordRequest() && m_options.hangupAfter >= 0 && ++m_recordRequests > m_options.hangupAfter)) {
        d.delivery = Delivery::HangUp;
        return d;
    }

    const bool firstTime = !m_answered.contains(key(request));
    m_answered.insert(key(request));
    const bool lastOfPass = request.isRecordRequest() && request.record == m_recordCount;
    if (firstTime && (m_options.dropFirst || (m_options.dropLast && lastOfPass))) {
        d.delivery = Delivery::Drop;
        return d;
    }

    const bool faultTarget = firstTime && request.kind == MeterRequest::FirstHalf
                             && request.record == qMin(2, m_recordCount);
    if (faultTarget && m_options.split)
        d.delivery = Delivery::Split;
    else if (faultTarget && m_options.doubleAnswer)
        d.delivery = Delivery::Double;
    else if (faultTarget && m_options.lateAnswer)
        d.delivery = Delivery::Late;

    if (m_options.noise && ++m_answers % kNoisePeriod == 0) {
        d.strayByteAfter = true;
        // Never 00: a lone 00 is the meter's wake-up answer, not noise.
        d.strayByte = char(m_rng.bounded(1, 256));
    }
    return d;
}
