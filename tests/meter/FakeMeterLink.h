#pragma once

#include "meter/MeterLink.h"

#include <QByteArrayList>
#include <QList>

#include <utility>

// A wire to nowhere: keeps every write, and hands out queued arrivals one
// chunk per read, as one receive poll would see them.
class FakeMeterLink : public MeterLink
{
public:
    bool open() override { return opened = canOpen; }
    void close() override { opened = false; }
    bool isOpen() const override { return opened; }
    void setDtr(bool on) override { dtr.append(on); }
    qint64 bytesWaiting() override { return arrivals.isEmpty() ? 0 : arrivals.first().size(); }
    QByteArray readAll() override { return arrivals.isEmpty() ? QByteArray() : arrivals.takeFirst(); }
    void write(const QByteArray &bytes) override { written.append(bytes); }

    void arrive(const QByteArray &bytes) { arrivals.append(bytes); }
    // Everything written since the last call.
    QByteArrayList takeWritten() { return std::exchange(written, {}); }

    bool canOpen = true;
    bool opened = false;
    QList<bool> dtr;
    QByteArrayList written;
    QByteArrayList arrivals;
};
