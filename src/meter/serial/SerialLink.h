#pragma once

#include "meter/MeterLink.h"

#include <QObject>
#include <QSerialPort>

// The meter's serial line: 9600 baud, 8 data bits, no parity, one stop bit, no
// flow control. A failure that ends the line (cable pulled, adapter unplugged)
// is reported once through lost().
class SerialLink
    : public QObject
    , public MeterLink
{
    Q_OBJECT
public:
    explicit SerialLink(const QString &deviceName, QObject *parent = nullptr);

    bool open() override;
    void close() override;
    bool isOpen() const override;
    void setDtr(bool on) override;
    qint64 bytesWaiting() override;
    QByteArray readAll() override;
    void write(const QByteArray &bytes) override;

    // As the user named it ("/dev/ttyUSB0"), not as the port shortens it ("ttyUSB0").
    QString deviceName() const { return m_device; }
    QString errorString() const { return m_port.errorString(); }
    // The device and the system's reason the last open() failed, with a hint
    // when the user may not use the device.
    QString openFailure() const;
    // The same without the device's name.
    QString openProblem() const;
    // The last open() failed because there is no such device.
    bool deviceMissing() const { return m_openError == QSerialPort::DeviceNotFoundError; }

Q_SIGNALS:
    void lost(const QString &reason);

private:
    void onError(QSerialPort::SerialPortError error);
    // What a failure that ends the line means, naming the device.
    QString lostReason(QSerialPort::SerialPortError error) const;

    QSerialPort m_port;
    const QString m_device; // as the user named it, e.g. /dev/ttyUSB0
    QString m_openFailure;
    QSerialPort::SerialPortError m_openError = QSerialPort::NoError;
};
