#include "users/UserTable.h"

#include <algorithm>

namespace {
bool skipped(const UserTable::Line &line)
{
    return line.record == 0 && !line.raw.isEmpty();
}
} // namespace

int UserTable::skippedLines() const
{
    return int(std::count_if(m_lines.cbegin(), m_lines.cend(), skipped));
}

int UserTable::firstSkippedLine() const
{
    const auto first = std::find_if(m_lines.cbegin(), m_lines.cend(), skipped);
    return first == m_lines.cend() ? 0 : int(first - m_lines.cbegin()) + 2;
}

void UserTable::addRecord(const UserRecord &r, const QByteArray &raw, const QByteArray &end)
{
    m_records.append(r);
    m_lines.append(Line{int(m_records.size()), raw, end});
}

void UserTable::addRawLine(const QByteArray &raw, const QByteArray &end)
{
    m_lines.append(Line{0, raw, end});
}
