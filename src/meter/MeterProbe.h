#pragma once

#include "meter/MeterLink.h"
#include "meter/MeterSession.h"
#include "platform/SerialPortCatalogue.h"

#include <QObject>

#include <array>
#include <functional>
#include <memory>
#include <optional>

// Looks for the meter on a list of serial devices, one at a time, with the first
// steps of a download and nothing more: each device is opened and its meter
// woken and link-tested by a MeterSession, as a download would (the same
// wake-up bytes, link probes, tries and limits). Once the link test is answered,
// or the device answers but not as the meter does, the session says goodbye as
// a failed download does, so that the meter sleeps and nothing is left on the
// line; no count or record request goes out, nothing that changes what the
// meter holds. Each device is closed before the next one is opened.
//
// Owns no timer and no clock: advance() is called every kTickMs or so with a
// monotonic millisecond count, and the session's timers tick when due, so tests
// drive it through fake links with no time passing.
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

    MeterProbe(QList<SerialPortEntry> candidates, Opener opener, QObject *parent = nullptr);
    ~MeterProbe() override;

    void advance(qint64 nowMs);
    // Closes the device being tried; nothing more is tried.
    void cancel();

    bool isDone() const { return m_done; }
    const QList<Result> &results() const { return m_results; }
    std::optional<SerialPortEntry> found() const;
    // "Meter found on /dev/ttyUSB0 (USB serial adapter)", or what was tried.
    QString summary() const;

Q_SIGNALS:
    void trying(const QString &text);
    void tried(const MeterProbe::Result &result);
    void done();

private:
    void openNext();
    bool decide();
    void tickDue();

    QList<SerialPortEntry> m_candidates;
    Opener m_opener;
    QList<Result> m_results;
    // The device being tried, its bytes watched, and the session on it.
    std::unique_ptr<MeterLink> m_device;
    std::unique_ptr<MeterLink> m_watched;
    std::unique_ptr<MeterSession> m_session;
    std::array<qint64, kSessionTimerCount> m_due{}; // -1: not running
    qint64 m_nowMs = 0;
    bool m_heard = false;             // any byte from the device
    std::optional<Outcome> m_outcome; // decided; the goodbye may still be on its way
    bool m_done = false;
};
