#pragma once

#include "platform/DownloadLogFile.h"

#include <QTime>

#include <functional>

// The log of a download, for whoever helps when one fails: each read and each
// write on the line as hexadecimal bytes with the millisecond it happened, and
// between them the download's steps as the session names them:
//
//   18:45:01.203 TX 00
//   18:45:01.224 RX 55
//   18:45:01.224 -- Meter Wake Up...Please Wait!
//
// Lines wait in memory until flush() or end(), so that a slow disk does not
// hold up the meter's 20 ms rhythm: the owner flushes only where the line does
// not wait on the program.
class DownloadLog
{
public:
    using Clock = std::function<QTime()>;

    explicit DownloadLog(Clock clock);

    // Starts a new log for the download, with a header; the previous one ends.
    // The download goes on without a log when its file cannot be made.
    void begin(const QString &dataDir, const QString &userId, const QDateTime &started, const QStringList &header);
    // A step of the session.
    void step(const QString &text);
    // Bytes read from the meter, and bytes written to it.
    void received(const QByteArray &bytes);
    void sent(const QByteArray &bytes);
    // Writes what is pending to the disk.
    void flush();
    // The last line; the log is closed.
    void end(const QString &text);
    // The log of the current or last download; empty when it could not be made.
    QString path() const { return m_file.path(); }
    // Why the current download has no log ("No download log is kept: ..."), or
    // an incomplete one; empty when its log is whole so far.
    QString problem() const { return m_problem.isEmpty() ? m_file.problem() : m_problem; }

private:
    void line(const char *what, const QByteArray &text);

    Clock m_clock;
    DownloadLogFile m_file;
    QString m_problem;
};
