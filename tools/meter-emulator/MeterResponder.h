#pragma once

#include "meter-emulator/FaultPlan.h"
#include "meter-emulator/MeterModel.h"

// The meter's side of the line without the line itself: hears the program's
// bytes at a moment and says what goes back, and when. It answers one request
// at a time, each answer taking the fault options' delay, while later requests
// wait their turn; a request it does not answer takes no time. The emulator
// puts this on a pseudo-terminal; tests run it in a clock of their own.
class MeterResponder
{
public:
    struct Output
    {
        qint64 atMs = 0;
        QByteArray bytes;
        enum Kind { Sent, Lost, HangUp } kind = Sent;
    };

    MeterResponder(const QList<MeterRecord> &records, const FaultOptions &faults, quint32 seed = 1);

    QList<Output> hear(const QByteArray &bytes, qint64 nowMs);
    bool isAwake() const { return m_model.isAwake(); }

private:
    QList<Output> answer(const MeterRequest &request, qint64 nowMs);

    // Pause between the two pieces of a split answer and before a stray byte.
    static constexpr int kSplitGapMs = 25;
    static constexpr int kStrayDelayMs = 25;
    // A late answer comes after the program's next request (every 50 ms) and its
    // answer, and in a later poll (every 20 ms) than that answer.
    static constexpr int kLateAnswerMs = 80;

    MeterModel m_model;
    FaultPlan m_faults;
    RequestParser m_parser;
    int m_delayMs;
    qint64 m_busyUntilMs = 0;
    bool m_hungUp = false;
};
