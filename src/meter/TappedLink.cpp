#include "meter/TappedLink.h"

TappedLink::TappedLink(MeterLink &link, Tap received, Tap sent)
    : m_link(link)
    , m_received(std::move(received))
    , m_sent(std::move(sent))
{
}

QByteArray TappedLink::readAll()
{
    QByteArray bytes = m_link.readAll();
    if (!bytes.isEmpty())
        m_received(bytes);
    return bytes;
}

void TappedLink::write(const QByteArray &bytes)
{
    m_link.write(bytes);
    m_sent(bytes);
}
