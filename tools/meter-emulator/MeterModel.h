#pragma once

#include "meter-emulator/MeterRecord.h"
#include "meter-emulator/MeterRequest.h"

#include <QList>

// The meter's side of the protocol. Asleep it answers only the wake-up byte;
// awake it answers everything but further wake-up bytes, until the sleep command.
// answerTo() only looks; accept() is the meter acting on a request it heard, so
// a request lost on the line can leave the meter as it was.
class MeterModel
{
public:
    explicit MeterModel(QList<MeterRecord> records, bool wakesUp = true);

    // The meter's answer, empty when it stays silent.
    QByteArray answerTo(const MeterRequest &request) const;
    void accept(const MeterRequest &request);

    int recordCount() const { return int(m_records.size()); }

private:
    const MeterRecord *record(int k) const;

    QList<MeterRecord> m_records; // m_records[k - 1] is record k
    bool m_wakesUp;
    bool m_awake = false;
};
