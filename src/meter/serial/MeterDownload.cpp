#include "meter/serial/MeterDownload.h"

#include "platform/DeviceChoices.h"
#include "platform/SerialPortCatalogue.h"
#include "platform/Product.h"
#include "meter/ReadingMerge.h"
#include "users/UserRegistry.h"
#include "users/UserSettings.h"

#include <QDateTime>
#include <QTimer>

namespace {

// The device of the user's port number, read afresh: the settings window may
// have changed it since the last download.
PortNames::Choice chosenDevice(const QString &dataDir, const UserSettings &user)
{
    QString warning; // told at login
    return PortNames::choose(user.port, DeviceChoices::load(dataDir, &warning).device(user.id, user.port));
}

} // namespace

MeterDownload::MeterDownload(const QString &dataDir, const UserSettings &user, ReadingStore &store, QObject *parent)
    : QObject(parent)
    , m_dataDir(dataDir)
    , m_user(user)
    , m_store(store)
    , m_port(chosenDevice(dataDir, user))
    , m_link(m_port.device)
    , m_log([] { return QTime::currentTime(); })
    , m_loggedLink(
          m_link, [this](const QByteArray &bytes) { m_log.received(bytes); },
          [this](const QByteArray &bytes) { m_log.sent(bytes); })
    , m_session(
          m_loggedLink, [this] { return m_clock.elapsed(); },
          [this](const QList<Reading> &records, QString *error) { return save(records, error); })
    , m_status(m_session)
{
    m_clock.start();
    for (const SessionTimerRow &row : kSessionTimers) {
        auto *timer = new QTimer(this);
        timer->setObjectName(QLatin1String(row.name));
        timer->setInterval(row.intervalMs);
        timer->setTimerType(Qt::PreciseTimer);
        connect(timer, &QTimer::timeout, this, [this, t = row.timer] { m_session.tick(t); });
        m_timers[int(row.timer)] = timer;
    }

    connect(&m_session, &MeterSession::timerActiveChanged, this, &MeterDownload::setTimerActive);
    m_status.setPort(m_port.device, [this] { return portFailure(); });
    logSteps();
    connect(&m_link, &PortLink::lost, &m_session, &MeterSession::linkLost);
}

void MeterDownload::logSteps()
{
    // What a timer that starts asks the meter (not again when it was the last one logged).
    connect(&m_session, &MeterSession::timerActiveChanged, this,
            [this, last = -1](SessionTimer timer, bool on) mutable {
        if (on && sessionTimer(timer).asks && int(timer) != last) {
            last = int(timer);
            m_log.step(QLatin1String(sessionTimer(timer).asks));
        }
    });
    connect(&m_status, &DownloadStatus::labelChanged, this, [this](const QString &text) {
        if (!text.isEmpty())
            m_log.step(text);
    });
    connect(&m_status, &DownloadStatus::progressChanged, this, [this](int value) {
        m_log.step(QStringLiteral("Progress %1/%2").arg(value).arg(m_status.progressMaximum()));
    });
    connect(&m_status, &DownloadStatus::message, this,
            [this](const QString &text) { m_log.step(QStringLiteral("Message: ") + text); });
    // The download is over: nothing on the line waits for the disk now.
    connect(&m_status, &DownloadStatus::finished, this, [this](const QString &warning) {
        m_log.step(warning.isEmpty() ? QStringLiteral("Finished") : QStringLiteral("Finished: ") + warning);
        m_log.flush();
    });
    connect(&m_status, &DownloadStatus::failed, this, [this](const QString &reason) {
        m_log.step(QStringLiteral("Failed: ") + reason);
        m_log.flush();
    });
    connect(&m_link, &PortLink::lost, this,
            [this](const QString &reason) { m_log.step(QStringLiteral("Line lost: ") + reason); });
}

MeterDownload::~MeterDownload()
{
    stop();
}

bool MeterDownload::openPort()
{
    return m_session.openPort();
}

void MeterDownload::start()
{
    const QDateTime now = QDateTime::currentDateTime();
    m_log.begin(m_dataDir, m_user.id, now,
                {Product::kName + QLatin1Char(' ') + Product::kVersion, QStringLiteral("User: ") + m_user.id,
                 QStringLiteral("Port: %1 (%2)").arg(m_user.port).arg(m_port.device),
                 QStringLiteral("Started: ") + now.toString(Qt::ISODate)});
    m_log.step(QStringLiteral("Serial device ") + PortNames::describe(m_user.port, m_port));
    m_log.flush();
    m_session.start();
}

void MeterDownload::stop()
{
    m_session.stop();
    m_log.end(QStringLiteral("Stopped"));
}

QString MeterDownload::portFailure() const
{
    if (deviceName().isEmpty())
        return PortNames::noSuchPort(m_user.port);
    if (m_link.deviceMissing())
        return SerialPorts::deviceGone(deviceName(), SerialPorts::catalogue().ports());
    return m_link.openFailure();
}

bool MeterDownload::save(const QList<Reading> &records, QString *error)
{
    // The reading file is written now anyway; the log goes first, so that it
    // holds the whole download should the save go wrong.
    m_log.flush();
    const ReadingMerge::Saved saved = ReadingMerge::SaveNewData(m_store, m_user.id == UserRegistry::kGuestId, records,
                                                                QDateTime::currentDateTime());
    if (!saved.notice.isEmpty()) {
        m_log.step(QStringLiteral("Notice: ") + saved.notice);
        // Said once the session's step is over: a message box must not wait inside it.
        QMetaObject::invokeMethod(
            this, [this, text = saved.notice] { Q_EMIT notice(text); }, Qt::QueuedConnection);
    }
    *error = saved.error;
    return saved.ok;
}

void MeterDownload::setTimerActive(SessionTimer timer, bool active)
{
    QTimer *t = m_timers[int(timer)];
    if (active)
        t->start();
    else
        t->stop();
}
