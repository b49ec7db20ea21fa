#include "meter/serial/MeterDownload.h"

#include "app/AppState.h"
#include "app/DataFolder.h"
#include "app/PortNames.h"
#include "meter/ReadingMerge.h"

#include <QDateTime>
#include <QTimer>

namespace {

struct SessionTimerSetting
{
    SessionTimer timer;
    const char *name;
    int intervalMs;
};

constexpr SessionTimerSetting kSessionTimerSettings[kSessionTimerCount] = {
    {SessionTimer::Rt, "TimerRt", 20},
    {SessionTimer::OP, "TimerOP", 50},
    {SessionTimer::T1, "Timer1", 100},
    {SessionTimer::T2, "Timer2", 1000},
    {SessionTimer::T3, "Timer3", 50},
    {SessionTimer::T4, "Timer4", 50},
    {SessionTimer::Sleep, "TimerSleep", 50},
};

} // namespace

MeterDownload::MeterDownload(AppState &state, QObject *parent)
    : QObject(parent)
    , m_state(state)
    , m_link(PortNames::deviceFor(state.user.port))
    , m_session(m_link, state.tables, [this](QString *error) { return save(error); })
{
    for (const SessionTimerSetting &setting : kSessionTimerSettings) {
        auto *timer = new QTimer(this);
        timer->setObjectName(QLatin1String(setting.name));
        timer->setInterval(setting.intervalMs);
        timer->setTimerType(Qt::PreciseTimer);
        connect(timer, &QTimer::timeout, this, [this, t = setting.timer] { m_session.tick(t); });
        m_timers[int(setting.timer)] = timer;
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
    const QString path = DataFolder::readingFilePath(m_state.dataDir, m_state.user.id);
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
