#pragma once

#include "meter/MeterLink.h"

#include <QObject>
#include <QString>

// The meter's serial line on Windows, over the system's communications API:
// 9600 baud, 8 data bits, no parity, one stop bit, no flow control. Reads never
// wait (the session polls every 20 ms); a write waits until its bytes are with
// the port's driver. A failure that ends the line (cable pulled, adapter
// unplugged) is reported once through lost(), on the next turn of the event
// loop. Same interface as SerialLink, which is the line elsewhere.
class WinSerialLink
    : public QObject
    , public MeterLink
{
    Q_OBJECT
public:
    explicit WinSerialLink(const QString &deviceName, QObject *parent = nullptr);
    ~WinSerialLink() override;

    bool open() override;
    void close() override;
    bool isOpen() const override;
    void setDtr(bool on) override;
    qint64 bytesWaiting() override;
    QByteArray readAll() override;
    void write(const QByteArray &bytes) override;

    QString deviceName() const { return m_device; }
    // The device and the system's reason the last open() failed.
    QString openFailure() const;
    // The same without the device's name.
    QString openProblem() const;
    // The last open() failed because there is no such device.
    bool deviceMissing() const { return m_missing; }

Q_SIGNALS:
    void lost(const QString &reason);

private:
    bool failOpen(const QString &reason);
    // The line failed under a read or a write: told once, after this call.
    void fail(unsigned long error, const QString &whatFailed);

    const QString m_device; // as the user named it, e.g. COM6
    void *m_handle = nullptr;
    QString m_openFailure;
    bool m_missing = false;
    bool m_lost = false;
};
