#pragma once

#include <QByteArray>
#include <QList>

// A request the program sends to the meter.
struct MeterRequest
{
    enum Kind {
        WakeUp,       // 00
        LinkProbe,    // 55
        LinkRequest,  // BA A5 A9
        CountRequest, // AE A5 A9
        FirstHalf,    // AC k A9
        SecondHalf,   // AD k A9
        Sleep,        // B5 A5 A9
    };

    Kind kind = WakeUp;
    int record = 0; // k of a half request, 0 otherwise

    bool isRecordRequest() const { return kind == FirstHalf || kind == SecondHalf; }
    friend bool operator==(const MeterRequest &, const MeterRequest &) = default;
};

// Cuts the byte stream from the program into requests. A frame may arrive in
// pieces over several reads; bytes that start no request, and frames that do
// not end in A9, are skipped one byte at a time until a request lines up again.
class RequestParser
{
public:
    QList<MeterRequest> feed(const QByteArray &bytes);

private:
    QByteArray m_pending; // the start of a frame still waiting for its remaining bytes
};
