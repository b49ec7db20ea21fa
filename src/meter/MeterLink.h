#pragma once

#include <QByteArray>

// The wire to the meter as the download session sees it. The real one is a
// serial port; tests and replays give their own.
class MeterLink
{
public:
    virtual ~MeterLink() = default;

    virtual bool open() = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    virtual void setDtr(bool on) = 0;
    virtual qint64 bytesWaiting() = 0;
    virtual QByteArray readAll() = 0;
    virtual void write(const QByteArray &bytes) = 0;
};
