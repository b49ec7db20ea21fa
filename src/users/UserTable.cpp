#include "users/UserTable.h"

void UserTable::addRecord(const UserRecord &r)
{
    m_records.append(r);
    m_lines.append(Line{int(m_records.size()), {}});
}

void UserTable::addRawLine(const QByteArray &raw)
{
    m_lines.append(Line{0, raw});
}

void UserTable::clear()
{
    m_records.clear();
    m_lines.clear();
}
