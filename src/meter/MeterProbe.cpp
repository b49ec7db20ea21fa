#include "meter/MeterProbe.h"

#include "meter/MeterProtocol.h"
#include "meter/MeterSession.h"

#include <QStringList>

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
    if (m_link)
        m_link->close();
    m_link.reset();
    m_step = Step::Done;
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
    if (m_step == Step::Opening)
        openNext(nowMs);
    if (!m_link)
        return;
    if (m_link->bytesWaiting() > 0)
        interpret(m_link->readAll(), nowMs);
    const qint64 quiet = nowMs - m_lastSentMs;
    switch (m_step) {
    case Step::Waking:
        if (quiet >= sessionTimer(SessionTimer::OP).intervalMs) {
            if (m_tries >= kWakeTries)
                finish(m_heard ? Outcome::NotTheMeter : Outcome::Silent, nowMs);
            else
                send(MeterProtocol::kWakeUp, nowMs);
        }
        break;
    case Step::Testing:
        if (quiet >= sessionTimer(SessionTimer::T1).intervalMs) {
            if (m_tries >= kLinkTestTries)
                finish(Outcome::NotTheMeter, nowMs);
            else
                send(MeterProtocol::kLinkProbe, nowMs);
        }
        break;
    case Step::Sleeping:
        if (quiet >= kSleepAnswerMs)
            finish(Outcome::Found, nowMs);
        break;
    case Step::Opening:
    case Step::Done: break;
    }
}

void MeterProbe::openNext(qint64 nowMs)
{
    while (!m_link && m_results.size() < m_candidates.size()) {
        const SerialPortEntry &port = m_candidates.at(m_results.size());
        Q_EMIT trying(QStringLiteral("Trying %1...").arg(port.label()));
        QString failure;
        m_link = m_opener(port.device, &failure);
        if (!m_link) {
            m_results << Result{port, Outcome::CannotOpen, failure};
            Q_EMIT tried(m_results.constLast());
        }
    }
    if (!m_link) {
        m_step = Step::Done;
        Q_EMIT done();
        return;
    }
    // As Start Reading does: DTR on, old bytes dropped, then the wake-up byte.
    m_link->setDtr(false);
    m_link->setDtr(true);
    if (m_link->bytesWaiting() > 0)
        m_link->readAll();
    m_step = Step::Waking;
    m_tries = 0;
    m_heard = false;
    send(MeterProtocol::kWakeUp, nowMs);
}

void MeterProbe::interpret(const QByteArray &rx, qint64 nowMs)
{
    m_heard = true;
    if (m_step == Step::Waking && rx == MeterProtocol::kWokeUp) {
        m_step = Step::Testing;
        m_tries = 0;
        send(MeterProtocol::kLinkProbe, nowMs);
    } else if (m_step == Step::Testing && rx == MeterProtocol::kProbeAnswer) {
        m_step = Step::Sleeping;
        m_link->write(MeterProtocol::kSleep);
        m_lastSentMs = nowMs;
    } else if (m_step == Step::Sleeping && rx == MeterProtocol::kLinkAnswer) {
        finish(Outcome::Found, nowMs);
    }
}

void MeterProbe::send(const QByteArray &bytes, qint64 nowMs)
{
    m_link->write(bytes);
    m_lastSentMs = nowMs;
    ++m_tries;
}

void MeterProbe::finish(Outcome outcome, qint64 nowMs)
{
    // A device that woke is put back to sleep, found or not.
    if (m_step == Step::Testing)
        m_link->write(MeterProtocol::kSleep);
    m_link->close();
    m_link.reset();
    m_results << Result{m_candidates.at(m_results.size()), outcome, {}};
    Q_EMIT tried(m_results.constLast());
    if (outcome == Outcome::Found) {
        m_step = Step::Done;
        Q_EMIT done();
        return;
    }
    m_step = Step::Opening;
    openNext(nowMs);
}
