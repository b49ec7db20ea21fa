#include "meter/MeterProbe.h"

#include "meter/TappedLink.h"

#include <QStringList>

using State = MeterSession::State;

QString MeterProbe::Result::text() const
{
    switch (outcome) {
    case Outcome::Found: return QStringLiteral("Meter found on %1").arg(port.label());
    case Outcome::CannotOpen: return QStringLiteral("%1: cannot be opened: %2").arg(port.label(), reason);
    case Outcome::Silent: return QStringLiteral("%1: no answer").arg(port.label());
    case Outcome::NotTheMeter: return QStringLiteral("%1: answers, but not as the meter does").arg(port.label());
    }
    return {};
}

MeterProbe::MeterProbe(QList<SerialPortEntry> candidates, Opener opener, QObject *parent)
    : QObject(parent)
    , m_candidates(std::move(candidates))
    , m_opener(std::move(opener))
{
}

MeterProbe::~MeterProbe()
{
    cancel();
}

void MeterProbe::cancel()
{
    m_session.reset();
    m_watched.reset();
    if (m_device)
        m_device->close();
    m_device.reset();
    m_done = true;
}

std::optional<SerialPortEntry> MeterProbe::found() const
{
    if (!m_results.isEmpty() && m_results.constLast().outcome == Outcome::Found)
        return m_results.constLast().port;
    return std::nullopt;
}

QString MeterProbe::summary() const
{
    if (found())
        return m_results.constLast().text();
    QStringList tried;
    for (const Result &r : m_results)
        tried << r.port.device;
    return tried.isEmpty() ? QStringLiteral("No meter found: there is no serial port to try.")
                           : QStringLiteral("No meter found on %1.").arg(tried.join(QStringLiteral(", ")));
}

void MeterProbe::advance(qint64 nowMs)
{
    m_nowMs = nowMs;
    if (m_done)
        return;
    if (!m_session)
        openNext();
    while (m_session) {
        tickDue();
        if (!m_session || !decide())
            break;
    }
}

// Each running timer of the session whose time has come ticks once.
void MeterProbe::tickDue()
{
    for (const SessionTimerRow &row : kSessionTimers) {
        qint64 &due = m_due[int(row.timer)];
        if (m_session && due >= 0 && due <= m_nowMs) {
            due = m_nowMs + row.intervalMs;
            m_session->tick(row.timer);
        }
    }
}

// What the session's state says of the device; true when it moved on to the next one.
bool MeterProbe::decide()
{
    const State state = m_session->state();
    if (!m_outcome) {
        if (state == State::Linking)
            m_outcome = Outcome::Found;
        else if (state == State::Rewaking)
            m_outcome = Outcome::NotTheMeter; // it woke, but the link test went unanswered
        else if (state == State::WakeFailed)
            m_outcome = m_heard ? Outcome::NotTheMeter : Outcome::Silent;
        if (m_outcome)
            m_session->finish();
        else if (state == State::Leaving || state == State::Failed)
            m_outcome = Outcome::NotTheMeter; // it woke, then garbled its answers
    }
    if (m_session->state() != State::Failed)
        return false;
    m_session.reset();
    m_watched.reset();
    m_device.reset();
    m_results << Result{m_candidates.at(m_results.size()), *m_outcome, {}};
    Q_EMIT tried(m_results.constLast());
    if (*m_outcome == Outcome::Found) {
        m_done = true;
        Q_EMIT done();
        return false;
    }
    openNext();
    return true;
}

void MeterProbe::openNext()
{
    while (!m_device && m_results.size() < m_candidates.size()) {
        const SerialPortEntry &port = m_candidates.at(m_results.size());
        Q_EMIT trying(QStringLiteral("Trying %1...").arg(port.label()));
        QString failure;
        m_device = m_opener(port.device, &failure);
        if (!m_device) {
            m_results << Result{port, Outcome::CannotOpen, failure};
            Q_EMIT tried(m_results.constLast());
        }
    }
    if (!m_device) {
        m_done = true;
        Q_EMIT done();
        return;
    }
    m_heard = false;
    m_outcome.reset();
    m_due.fill(-1);
    m_watched = std::make_unique<TappedLink>(
        *m_device, [this](const QByteArray &) { m_heard = true; }, [](const QByteArray &) {});
    m_session = std::make_unique<MeterSession>(*m_watched, [this] { return m_nowMs; });
    connect(m_session.get(), &MeterSession::timerActiveChanged, this, [this](SessionTimer timer, bool on) {
        m_due[int(timer)] = on ? m_nowMs + sessionTimer(timer).intervalMs : -1;
    });
    // As a download starts: DTR off, then on; old bytes dropped; the wake-up byte.
    m_session->openPort();
    m_session->start();
}
