#pragma once

#include "meter-emulator/MeterRequest.h"

#include <QRandomGenerator>
#include <QSet>

// Line faults the emulated meter can show, each on request.
struct FaultOptions
{
    bool noWakeup = false;     // never answers the wake-up byte
    bool dropFirst = false;    // loses the first answer to each distinct request
    bool dropLast = false;     // loses the first answer to the last request of each pass
    bool split = false;        // sends one record answer in two pieces
    bool doubleAnswer = false; // sends one record answer twice in one write
    bool lateAnswer = false;   // sends one record answer after the program has asked again
    bool noise = false;        // a stray byte between answers now and then
    int hangupAfter = -1;      // closes the line after this many record requests; -1 never
    bool portVanishes = false; // the port goes away as the program first speaks, as an adapter pulled out
    int delayMs = 0;           // every answer takes this long, one request at a time

    friend bool operator==(const FaultOptions &, const FaultOptions &) = default;
};

// Decides, answer by answer, which fault strikes. Split, double and late hit the
// first answer to the first-half request of record 2 (record 1 on a one-record
// meter), in the middle of a pass where the program asks again for what it missed.
class FaultPlan
{
public:
    enum class Delivery { Whole, Drop, Split, Double, Late, HangUp };

    struct Decision
    {
        Delivery delivery = Delivery::Whole;
        bool strayByteAfter = false;
        char strayByte = 0;
    };

    // Answers between two stray bytes when noise is on.
    static constexpr int kNoisePeriod = 4;

    FaultPlan(const FaultOptions &options, int recordCount, quint32 seed);

    // For a request the meter is about to answer.
    Decision decide(const MeterRequest &request);

private:
    static int key(const MeterRequest &r) { return r.kind * 256 + r.record; }

    FaultOptions m_options;
    int m_recordCount;
    QRandomGenerator m_rng;
    QSet<int> m_answered; // requests answered (or lost) before
    int m_recordRequests = 0;
    int m_answers = 0;
};
