#pragma once

#include "meter/MeterLink.h"
#include "platform/SerialPortCatalogue.h"

#include <QObject>

#include <functional>
#include <memory>
#include <optional>

// Looks for the meter on a list of serial devices, one at a time, with the first
// steps of a download and nothing more: the wake-up byte every 50 ms until the
// meter answers 00 (fifty tries, 2.5 s), then the link test 55 every 100 ms until
// it answers 54 F1 (ten tries). A device that woke is sent the sleep command, as
// a download ends, so that the meter wakes again for the next download; no
// count or record request goes out, nothing that changes what the meter holds.
// Each device is closed before the next one is opened.
//
// Owns no timer and no clock: advance() is called every kTickMs or so with a
// monotonic millisecond count, so tests drive it through fake links with no
// time passing.
class MeterProbe : public QObject
{
    Q_OBJECT
public:
    // The device opened at 9600 8N1; nullptr with the reason when it cannot be.
    using Opener = std::function<std::unique_ptr<MeterLink>(const QString &device, QString *failure)>;

    enum class Outcome { Found, CannotOpen, Silent, NotTheMeter };
    struct Result
    {
        SerialPortEntry port;
        Outcome outcome = Outcome::Silent;
        QString reason; // why the device cannot be opened

        // "/dev/ttyUSB0 (USB serial adapter): no answer".
        QString text() const;
        friend bool operator==(const Result &, const Result &) = default;
    };

    static constexpr int kTickMs = 10;
    static constexpr int kWakeTries = 50; // as many as a download sends
    static constexpr int kLinkTestTries = 10;
    // Longest wait for the meter's acknowledgement of the sleep command.
    static constexpr int kSleepAnswerMs = 500;

    MeterProbe(QList<SerialPortEntry> candidates, Opener opener, QObject *parent = nullptr);
    ~MeterProbe() override;

    void advance(qint64 nowMs);
    // Closes the device being tried; nothing more is tried.
    void cancel();

    bool isDone() const { return m_step == Step::Done; }
    const QList<Result> &results() const { return m_results; }
    std::optional<SerialPortEntry> found() const;
    // "Meter found on /dev/ttyUSB0 (USB serial adapter)", or what was tried.
    QString summary() const;

Q_SIGNALS:
    void trying(const QString &text);
    void tried(const MeterProbe::Result &result);
    void done();

private:
    enum class Step { Opening, Waking, Testing, Sleeping, Done };

    void openNext(qint64 nowMs);
    void interpret(const QByteArray &rx, qint64 nowMs);
    void send(const QByteArray &bytes, qint64 nowMs);
    void finish(Outcome outcome, qint64 nowMs);

    QList<SerialPortEntry> m_candidates;
    Opener m_opener;
    QList<Result> m_results;
    std::unique_ptr<MeterLink> m_link;
    Step m_step = Step::Opening;
    qint64 m_lastSentMs = 0;
    int m_tries = 0;
    bool m_heard = false; // any byte from the device
};
