#pragma once

#include <QByteArray>
#include <QString>

// The bytes of the meter's serial protocol. Requests are opcode, argument, A9;
// the meter's three-byte answers end in AA.
namespace MeterProtocol {

inline const QByteArray kWakeUp = QByteArray(1, '\x00');
inline const QByteArray kLinkProbe = QByteArrayLiteral("\x55");
inline const QByteArray kLinkRequest = QByteArrayLiteral("\xBA\xA5\xA9");
inline const QByteArray kCountRequest = QByteArrayLiteral("\xAE\xA5\xA9");
inline const QByteArray kSleep = QByteArrayLiteral("\xB5\xA5\xA9");

inline const QByteArray kWokeUp = QByteArray(1, '\x00');
inline const QByteArray kProbeAnswer = QByteArrayLiteral("\x54\xF1");
// Link established, and later the acknowledgement of the sleep command.
inline const QByteArray kLinkAnswer = QByteArrayLiteral("\xAA\x5A\xAA");

constexpr char kFrameEnd = char(0xA9);
constexpr char kAnswerEnd = char(0xAA);
constexpr char kCountMark = char(0x5A);

inline QByteArray request(char opcode, int argument)
{
    QByteArray frame(3, kFrameEnd);
    frame[0] = opcode;
    frame[1] = char(argument);
    return frame;
}
inline QByteArray firstHalfRequest(int record)
{
    return request(char(0xAC), record);
}
inline QByteArray secondHalfRequest(int record)
{
    return request(char(0xAD), record);
}

// "[AA][5A][1]": every byte in upper-case hex without leading zeros.
inline QString bracketedHex(const QByteArray &bytes)
{
    QString out;
    for (const char b : bytes)
        out += QLatin1Char('[') + QString::number(quint8(b), 16).toUpper() + QLatin1Char(']');
    return out;
}

} // namespace MeterProtocol
