#pragma once

#include "meter/MeterLink.h"

#include <QByteArrayList>
#include <QList>

// A wire to nowhere: keeps every write, and hands out queued arrivals one
// chunk per read, as one receive poll would see them.
class FakeMeterLink : public MeterLink
{
public:
    bool open() override
    {
        if (!canOpen)
            return false;
        opened = true;
        ++openCount;
        return true;
    }
    void close() override { opened = false; }
    bool isOpen() const override { return opened; }
    void setDtr(bool on) override { dtr.append(on); }
    qint64 bytesWaiting() override { return arrivals.isEmpty() ? 0 : arrivals.first().size(); }
    QByteArray readAll() override { return arrivals.isEmpty() ? QByteArray() : arrivals.takeFirst(); }
    void write(const QByteArray &bytes) override { written.append(bytes); }

    void arrive(const QByteArray &bytes) { arrivals.append(bytes); }
    // Everything written since the last call.
    QByteArrayList takeWritten()
    {
        QByteArrayList out = written;
        written.clear();
        return out;
    }

    bool canOpen = true;
    bool opened = false;
    int openCount = 0;
    QList<bool> dtr;
    QByteArrayList written;
    QByteArrayList arrivals;
};
