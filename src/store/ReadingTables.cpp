#include "store/ReadingTables.h"

namespace {
const Reading kZero{};
}

const Reading &ReadingTables::reading(int i) const
{
    return (i >= 1 && i <= count()) ? m_readings.at(i - 1) : kZero;
}

Reading &ReadingTables::readingAt(int i)
{
    Q_ASSERT(i >= 1);
    if (i > count())
        m_readings.resize(i);
    return m_readings[i - 1];
}

bool ReadingTables::holdsNoReadings() const
{
    return count() == 0 || (count() == 1 && m_readings.first().day == 0);
}
