#pragma once

#include "common/SessionRig.h"

// The session against the emulated meter, with its latency and faults.
struct FakeMeterLine : SessionRig
{
    explicit FakeMeterLine(const QList<MeterRecord> &inMeter, const FaultOptions &faults = {}, int busy = 0)
        : SessionRig([this](const QByteArray &bytes, qint64 nowMs) { return responder.hear(bytes, nowMs); }, busy),
          responder(inMeter, faults)
    {
    }
    MeterResponder responder;
};
