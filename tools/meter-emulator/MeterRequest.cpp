#include "meter-emulator/MeterRequest.h"

#include <optional>

namespace {

constexpr quint8 kFrameEnd = 0xA9;
constexpr quint8 kNoArgument = 0xA5;

bool startsFrame(quint8 b)
{
    return b == 0xBA || b == 0xAE || b == 0xAC || b == 0xAD || b == 0xB5;
}

// A frame opcode arg A9; nothing when the opcode does not take that argument.
std::optional<MeterRequest> decodeFrame(quint8 opcode, quint8 arg)
{
    switch (opcode) {
    case 0xAC: return MeterRequest{MeterRequest::FirstHalf, arg};
    case 0xAD: return MeterRequest{MeterRequest::SecondHalf, arg};
    case 0xBA:
        if (arg == kNoArgument)
            return MeterRequest{MeterRequest::LinkRequest, 0};
        break;
    case 0xAE:
        if (arg == kNoArgument)
            return MeterRequest{MeterRequest::CountRequest, 0};
        break;
    case 0xB5:
        if (arg == kNoArgument)
            return MeterRequest{MeterRequest::Sleep, 0};
        break;
    }
    return std::nullopt;
}

} // namespace

QList<MeterRequest> RequestParser::feed(const QByteArray &bytes)
{
    m_pending += bytes;
    QList<MeterRequest> requests;
    qsizetype pos = 0;
    const auto at = [this](qsizetype i) { return quint8(m_pending.at(i)); };
    while (pos < m_pending.size()) {
        const quint8 b = at(pos);
        if (b == 0x00) {
            requests.append({MeterRequest::WakeUp, 0});
            ++pos;
        } else if (b == 0x55) {
            requests.append({MeterRequest::LinkProbe, 0});
            ++pos;
        } else if (startsFrame(b)) {
            if (m_pending.size() - pos < 3)
                break; // the rest of the frame is still on its way
            if (at(pos + 2) != kFrameEnd) {
                ++pos;
                continue;
            }
            if (const auto request = decodeFrame(b, at(pos + 1)))
                requests.append(*request);
            pos += 3;
        } else {
            ++pos;
        }
    }
    m_pending.remove(0, pos);
    return requests;
}
