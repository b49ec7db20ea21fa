#pragma once

#include "meter/MeterProbe.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

// Runs a MeterProbe on the serial ports themselves, on the event loop: what it
// tries and finds comes from probe()'s signals.
class MeterFinder : public QObject
{
    Q_OBJECT
public:
    explicit MeterFinder(const QList<SerialPortEntry> &candidates, QObject *parent = nullptr);

    void start();
    const MeterProbe &probe() const { return m_probe; }

    // The device opened as a download opens it; nullptr with the reason when it cannot be.
    static std::unique_ptr<MeterLink> open(const QString &device, QString *failure);

private:
    MeterProbe m_probe;
    QTimer m_timer;
    QElapsedTimer m_clock;
};
