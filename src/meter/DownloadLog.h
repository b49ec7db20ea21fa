#pragma once

#include "meter/MeterLink.h"
#include "platform/DownloadLogFile.h"

#include <QTime>

#include <functional>

// The link to the meter with a log of everything on it: each read and each
// write as hexadecimal bytes with the millisecond it happened, and between them
// the download's steps as the session names them:
//
//   18:45:01.203 TX 00
//   18:45:01.224 RX 55
//   18:45:01.224 -- Meter Wake Up...Please Wait!
//
// Nothing on the link changes: bytes pass through as they are, when they are.
// The log is written at each step and at the end, never between two polls.
class DownloadLog : public MeterLink
{
public:
    using Clock = std::function<QTime()>;

    DownloadLog(MeterLink &link, Clock clock);

    // Starts a new log for the download, with a header; the previous one ends.
    // The download goes on without a log when its file cannot be made.
    void begin(const QString &dataDir, const QString &userId, const QDateTime &started,
               const QStringList &header);
    // A step of the session; writes what is pending.
    void step(const QString &text);
    // The last line; the log is closed.
    void end(const QString &text);
    // The log of the current or last download; empty when it could not be made.
    QString path() const { return m_path; }
    // Why the current download has no log ("No download log is kept: ..."); empty when it has one.
    QString problem() const { return m_problem; }

    bool open() override;
    void close() override;
    bool isOpen() const override;
    void setDtr(bool on) override;
    qint64 bytesWaiting() override;
    QByteArray readAll() override;
    void write(const QByteArray &bytes) override;

private:
    void line(const char *what, const QByteArray &text);

    MeterLink &m_link;
    Clock m_clock;
    DownloadLogFile m_file;
    QString m_path;
    QString m_problem;
};
