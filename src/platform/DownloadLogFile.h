#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QString>
#include <QStringList>

// One download's log file in <data folder>/logs, named after the user and the
// moment the download started: "alice-20261206-184501.log". The folder and the
// file are owner-only (the log shows the user's readings as the meter sent them).
// Lines are kept in memory and reach the disk only at flush() and close(), so
// that a slow disk never holds up the meter's 20 ms rhythm during a download.
class DownloadLogFile
{
public:
    static constexpr int kKeptPerUser = 20;
    // The most bytes a log's name has beyond the user's ID: the 99th log of one second.
    static constexpr int kLongestSuffix = int(sizeof "-20261206-184501-99.log") - 1;

    static QString folder(const QString &dataDir);
    // Why the logs folder cannot take logs: a link (to a folder elsewhere,
    // whose files pruning would remove) or a file; empty when it is a folder of
    // the data folder or not there yet.
    static QString folderProblem(const QString &dataDir);
    // The user's logs, oldest first; none while the folder is unfit.
    static QStringList logsOf(const QString &dataDir, const QString &userId);

    // Creates the user's next log, then removes the oldest ones beyond
    // kKeptPerUser. The ID must have passed the user-ID checks. False with a
    // message naming the folder and the reason when the file cannot be made
    // ("No download log is kept: ..."); the download goes on without it.
    bool create(const QString &dataDir, const QString &userId, const QDateTime &started, QString *error);
    bool isOpen() const { return m_file.isOpen(); }
    // Empty when there is no log: none made, or none kept after a failed write.
    QString path() const { return m_path; }
    // Why the log is not whole, naming it: a write the disk refused (full, or
    // past a size limit) ends the log; empty while every write went through.
    QString problem() const { return m_problem; }

    void append(const QByteArray &line) { m_pending += line; }
    // Writes what is pending; false when the disk refused it. Then the log
    // ends there, or, when nothing of it reached the disk, is removed.
    bool flush();
    void close();

private:
    QFile m_file;
    QString m_path;
    QString m_problem;
    QByteArray m_pending;
    bool m_written = false; // some of the log reached the disk
};
