#pragma once

#include "meter-emulator/FaultPlan.h"
#include "meter-emulator/MeterModel.h"

#include <QElapsedTimer>
#include <QFile>
#include <QObject>

class QSocketNotifier;

// A meter on a pseudo-terminal. The program opens devicePath() as its serial
// port; every request is answered at once from the event loop, with the faults
// asked for. Runs in the program's own event loop in tests, or on its own in the
// meter-emulator tool.
class MeterEmulator : public QObject
{
    Q_OBJECT
public:
    // Pause between the two pieces of a split answer and before a stray byte.
    static constexpr int kSplitGapMs = 25;
    static constexpr int kStrayDelayMs = 25;
    // A late answer comes after the program's next request (every 50 ms) and its
    // answer, and in a later poll (every 20 ms) than that answer.
    static constexpr int kLateAnswerMs = 80;

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
    void handle(const MeterRequest &request);
    void send(const QByteArray &bytes);
    void sendLater(int ms, const QByteArray &bytes);
    void log(const char *direction, const QByteArray &text);

    MeterModel m_model;
    FaultPlan m_faults;
    RequestParser m_parser;
    int m_master = -1;
    int m_slave = -1;  // kept open so the line outlives the program's port
    QString m_devicePath;
    QSocketNotifier *m_notifier = nullptr;
    QElapsedTimer m_clock;
    QFile m_log;
};
