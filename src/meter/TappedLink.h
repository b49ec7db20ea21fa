#pragma once

#include "meter/MeterLink.h"

#include <functional>

// A link to the meter that hands every byte read from it and written to it to
// a listener as it passes, for the download log. Nothing on the line changes:
// bytes pass as they are, when they are.
class TappedLink : public MeterLink
{
public:
    using Tap = std::function<void(const QByteArray &bytes)>;

    // received: what a read brought, when it brought anything; sent: what was
    // written, once it went out.
    TappedLink(MeterLink &link, Tap received, Tap sent);

    bool open() override { return m_link.open(); }
    void close() override { m_link.close(); }
    bool isOpen() const override { return m_link.isOpen(); }
    void setDtr(bool on) override { m_link.setDtr(on); }
    qint64 bytesWaiting() override { return m_link.bytesWaiting(); }
    QByteArray readAll() override;
    void write(const QByteArray &bytes) override;

private:
    MeterLink &m_link;
    Tap m_received;
    Tap m_sent;
};
