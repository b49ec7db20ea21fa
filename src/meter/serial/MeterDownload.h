#pragma once

#include "meter/DownloadLog.h"
#include "meter/DownloadStatus.h"
#include "meter/MeterSession.h"
#include "meter/TappedLink.h"
#include "meter/serial/PortLink.h"
#include "platform/PortNames.h"

#include <QElapsedTimer>
#include <QObject>

#include <array>

class QTimer;
class ReadingStore;
struct UserSettings;

// Runs downloads from the meter on the device of the logged-in user's serial
// port (PortNames::choose): owns the port, the seven session timers (named and
// timed as the session says), the session and the wording of what it reports,
// and hands the session the save step (ReadingMerge::SaveNewData into the
// store's reading file, with the computer's clock). Each download leaves a log of the bytes on the line and the
// session's steps in the data folder's logs folder; the log reaches the disk
// before the first byte goes out, before the save and when the download ends,
// never while the meter is being asked.
// Destroying it stops every timer and closes the port.
class MeterDownload : public QObject
{
    Q_OBJECT
public:
    MeterDownload(const QString &dataDir, const UserSettings &user, ReadingStore &store, QObject *parent = nullptr);
    ~MeterDownload() override;

    // Opens the port; false when it cannot be opened.
    bool openPort();
    // Start Reading.
    void start();
    // Leaving: every timer off and the port closed, a download in progress
    // abandoned without saving.
    void stop();

    QString deviceName() const { return m_link.deviceName(); }
    // Why openPort() failed, in plain words for a second line under "RS232 Setting Error !".
    QString portFailure() const;
    // The log of the current or last download; empty when none could be made.
    QString logPath() const { return m_log.path(); }
    // Why the download that started has no log; empty when it has one.
    QString logProblem() const { return m_log.problem(); }
    const MeterSession &session() const { return m_session; }
    // What the download shows (labels, progress, messages, the end).
    const DownloadStatus &status() const { return m_status; }

Q_SIGNALS:
    // Something the user should know about the reading file the download was
    // saved into: it changed meanwhile, and lines of it are kept aside.
    void notice(const QString &text);

private:
    bool save(const QList<Reading> &records, QString *error);
    void setTimerActive(SessionTimer timer, bool active);
    void logSteps();

    const QString m_dataDir;
    const UserSettings &m_user;
    ReadingStore &m_store;
    QElapsedTimer m_clock;
    const PortNames::Choice m_port;
    PortLink m_link;
    DownloadLog m_log;
    TappedLink m_loggedLink; // m_link, its bytes logged
    MeterSession m_session;
    DownloadStatus m_status;
    std::array<QTimer *, kSessionTimerCount> m_timers{};
};
