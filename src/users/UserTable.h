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
// order. Every line is kept as read, its line end too, so that a rewrite puts
// back byte for byte what it does not change; lines that are not a usable record (too few fields,
// empty ID) are not users.
class UserTable
{
public:
    // UserCount: the number of usable records.
    int userCount() const { return int(m_records.size()); }
    // Record k, 1..userCount().
    const UserRecord &record(int k) const { return m_records.at(k - 1); }
    UserRecord &record(int k) { return m_records[k - 1]; }
    const QList<UserRecord> &records() const { return m_records; }

    // The first line of the file as read, normally the header; empty for an empty file.
    const QByteArray &firstLine() const { return m_firstLine; }
    const QByteArray &firstLineEnd() const { return m_firstLineEnd; }
    void setFirstLine(const QByteArray &line, const QByteArray &end = "\r\n")
    {
        m_firstLine = line;
        m_firstLineEnd = end;
    }

    // Every further line of the file in order, as read, and its line end.
    struct Line
    {
        int record = 0; // 1-based record number, or 0 for a line that is not a user
        QByteArray raw;
        QByteArray end; // CR LF, LF, a lone CR, or none after an unfinished last line
    };
    const QList<Line> &lines() const { return m_lines; }
    // Lines that are neither a record nor empty, and the file line number of
    // the first (the first line of the file being 1).
    int skippedLines() const;
    int firstSkippedLine() const;

    void addRecord(const UserRecord &r, const QByteArray &raw, const QByteArray &end = "\r\n");
    void addRawLine(const QByteArray &raw, const QByteArray &end = "\r\n");

private:
    QByteArray m_firstLine;
    QByteArray m_firstLineEnd;
    QList<UserRecord> m_records;
    QList<Line> m_lines;
};
