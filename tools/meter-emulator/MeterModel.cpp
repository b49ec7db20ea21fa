#include "meter-emulator/MeterModel.h"

namespace {
const QByteArray kAcknowledge("\xAA\x5A\xAA", 3);
}

MeterModel::MeterModel(QList<MeterRecord> records, bool wakesUp)
    : m_records(std::move(records))
    , m_wakesUp(wakesUp)
{
    Q_ASSERT(m_records.size() <= 255);
}

const MeterRecord *MeterModel::record(int k) const
{
    return (k >= 1 && k <= m_records.size()) ? &m_records.at(k - 1) : nullptr;
}

QByteArray MeterModel::answerTo(const MeterRequest &request) const
{
    if (!m_awake)
        return (request.kind == MeterRequest::WakeUp && m_wakesUp) ? QByteArray(1, '\0') : QByteArray();

    switch (request.kind) {
    case MeterRequest::WakeUp: return {};
    case MeterRequest::LinkProbe: return QByteArray("\x54\xF1", 2);
    case MeterRequest::LinkRequest:
    case MeterRequest::Sleep: return kAcknowledge;
    case MeterRequest::CountRequest: return QByteArray(1, char(m_records.size())) + QByteArray("\x5A\xAA", 2);
    case MeterRequest::FirstHalf:
        if (const MeterRecord *r = record(request.record))
            return RecordHalves::first(*r);
        return {};
    case MeterRequest::SecondHalf:
        if (const MeterRecord *r = record(request.record))
            return RecordHalves::second(*r);
        return {};
    }
    return {};
}

void MeterModel::accept(const MeterRequest &request)
{
    if (!m_awake && request.kind == MeterRequest::WakeUp && m_wakesUp)
        m_awake = true;
    else if (m_awake && request.kind == MeterRequest::Sleep)
        m_awake = false;
}
