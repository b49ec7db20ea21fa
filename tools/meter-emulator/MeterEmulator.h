#pragma once

#include "meter-emulator/MeterResponder.h"

#include <QElapsedTimer>
#include <QFile>
#include <QObject>

class QSocketNotifier;

// A meter on a pseudo-terminal. The program opens devicePath() as its serial
// port; every request is answered from the event loop, at once or after the
// delay asked for, with the faults asked for. Runs in the program's own event loop in tests, or on its own in the
// meter-emulator tool.
class MeterEmulator : public QObject
{
    Q_OBJECT
public:
    MeterEmulator(const QList<MeterRecord> &records, const FaultOptions &faults, quint32 seed = 1,
                  QObject *parent = nullptr);
    ~MeterEmulator() override;

    // Opens the pseudo-terminal; false with a reason when the system refuses.
    bool open(QString *error);
    bool isOpen() const { return m_master >= 0; }
    // The device the program opens, e.g. /dev/pts/7.
    QString devicePath() const { return m_devicePath; }

    // Logs every byte from now on, one line per read or write:
    // milliseconds since the emulator was made, "in" (to the meter) or "out"
    // (from the meter), the bytes in hexadecimal.
    bool logTo(const QString &path, QString *error);

    // Closes the line as a pulled cable would. The device disappears.
    void hangUp();

Q_SIGNALS:
    void hungUp();

private:
    void onReadable();
    void deliver(const MeterResponder::Output &output);
    void send(const QByteArray &bytes);
    void log(const char *direction, const QByteArray &text);

    MeterResponder m_meter;
    int m_master = -1;
    int m_slave = -1; // kept open so the line outlives the program's port
    QString m_devicePath;
    QSocketNotifier *m_notifier = nullptr;
    QElapsedTimer m_clock;
    QFile m_log;
};
