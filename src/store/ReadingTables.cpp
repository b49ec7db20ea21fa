#include "store/ReadingTables.h"

#include "platform/LargeBuffers.h"

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

ReadingTables ReadingTables::copyWithRoom(int more) const
{
    ReadingTables copy;
    copy.m_keepOriginal = m_keepOriginal;
    LargeBuffers::reserve(copy.m_readings, m_readings.size() + qMax(0, more));
    copy.m_readings.append(m_readings.constBegin(), m_readings.constEnd());
    return copy;
}
