#include "meter/serial/MeterDownload.h"

#include "platform/DataFolder.h"
#include "platform/PortNames.h"
#include "meter/ReadingMerge.h"
#include "users/Session.h"

#include <QDateTime>
#include <QTimer>

MeterDownload::MeterDownload(const QString &dataDir, Session &state, QObject *parent)
    : QObject(parent)
    , m_dataDir(dataDir)
    , m_state(state)
    , m_link(PortNames::deviceFor(state.user.port))
    , m_session(m_link, state.tables, [this](QString *error) { return save(error); },
                [this] { return m_clock.elapsed(); })
{
    m_clock.start();
    for (int i = 0; i < kSessionTimerCount; ++i) {
        auto *timer = new QTimer(this);
        timer->setObjectName(QLatin1String(kSessionTimerNames[i]));
        timer->setInterval(kSessionTimerIntervalMs[i]);
        timer->setTimerType(Qt::PreciseTimer);
        connect(timer, &QTimer::timeout, this, [this, t = SessionTimer(i)] { m_session.tick(t); });
        m_timers[i] = timer;
    }

    connect(&m_session, &MeterSession::timerActiveChanged, this, &MeterDownload::setTimerActive);
    connect(&m_link, &SerialLink::lost, &m_session, &MeterSession::linkLost);
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
    m_session.start();
}

void MeterDownload::stop()
{
    m_session.stop();
}

QString MeterDownload::portFailure() const
{
    return deviceName().isEmpty() ? PortNames::noSuchPort(m_state.user.port) : m_link.openFailure();
}

bool MeterDownload::save(QString *error)
{
    const QString path = DataFolder::readingFilePath(m_dataDir, m_state.user.id);
    return ReadingMerge::SaveNewData(m_state.tables, m_state.user.id, m_session.meterCount(),
                                     QDateTime::currentDateTime(), path, error);
}

void MeterDownload::setTimerActive(SessionTimer timer, bool active)
{
    QTimer *t = m_timers[int(timer)];
    if (active)
        t->start();
    else
        t->stop();
}
