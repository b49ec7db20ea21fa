#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// One user settings record of the registry file, each field as the text read.
// ID and Passwd are held without the mark that ends them in the file.
struct UserRecord
{
    QString id;
    QString passwd;
    QString port;
    QString unit;
    QString time;
    QString max;
    QString min;
    QString maxp;
    QString minp;

    friend bool operator==(const UserRecord &, const UserRecord &) = default;
};

// The in-memory copy of the registry file. Records are numbered from 1 in file
// order. Lines that are not a usable record (too few fields, empty ID) are kept
// verbatim so a rewrite loses nothing, but they are not users.
class UserTable
{
public:
    // UserCount: the number of usable records.
    int userCount() const { return int(m_records.size()); }
    // Record k, 1..userCount().
    const UserRecord &record(int k) const { return m_records.at(k - 1); }
    UserRecord &record(int k) { return m_records[k - 1]; }
    const QList<UserRecord> &records() const { return m_records; }

    // Every data line of the file in order: either a record or a kept raw line.
    struct Line
    {
        int record = 0;      // 1-based record number, or 0 for a kept raw line
        QByteArray raw;      // the line as read, for lines that are not records
    };
    const QList<Line> &lines() const { return m_lines; }

    void addRecord(const UserRecord &r);
    void addRawLine(const QByteArray &raw);
    void clear();

private:
    QList<UserRecord> m_records;
    QList<Line> m_lines;
};
