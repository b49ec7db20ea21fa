#include "meter/serial/MeterFinder.h"

#include "meter/serial/PortLink.h"

MeterFinder::MeterFinder(const QList<SerialPortEntry> &candidates, QObject *parent)
    : QObject(parent)
    , m_probe(candidates, &MeterFinder::open)
{
    m_timer.setInterval(MeterProbe::kTickMs);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, [this] { m_probe.advance(m_clock.elapsed()); });
    connect(&m_probe, &MeterProbe::done, &m_timer, &QTimer::stop);
}

void MeterFinder::start()
{
    m_clock.start();
    m_timer.start();
    m_probe.advance(0);
}

std::unique_ptr<MeterLink> MeterFinder::open(const QString &device, QString *failure)
{
    auto link = std::make_unique<PortLink>(device);
    if (link->open())
        return link;
    *failure = link->openProblem();
    return nullptr;
}
