// Find Meter on fake devices in a clock of its own: the emulated meter among a
// silent port, one that answers noise and ones that cannot be opened.

#include "meter/MeterProbe.h"

#include "meter-emulator/MeterResponder.h"
#include "meter-emulator/RecordList.h"

#include <QTest>

#include <map>

namespace {

using Output = MeterResponder::Output;

// What a device heard, and whether it is open.
struct Line
{
    QByteArray heard;
    bool open = false;
};

// A device as the probe opens it: what goes back for what it hears, and when.
struct FakeDevice : MeterLink
{
    using Answer = std::function<QList<Output>(const QByteArray &bytes, qint64 nowMs)>;
    FakeDevice(Answer a, const qint64 &clock, Line &l)
        : answer(std::move(a))
        , now(clock)
        , line(l)
    {
        line.open = true;
    }

    bool open() override { return true; }
    void close() override { line.open = false; }
    bool isOpen() const override { return line.open; }
    void setDtr(bool) override { }
    qint64 bytesWaiting() override { return arrived().size(); }
    QByteArray readAll() override
    {
        const QByteArray out = arrived();
        incoming.removeIf([this](const Output &o) { return o.atMs <= now; });
        return out;
    }
    void write(const QByteArray &bytes) override
    {
        line.heard += bytes;
        for (const Output &o : answer(bytes, now))
            incoming << o;
    }
    QByteArray arrived() const
    {
        QByteArray out;
        for (const Output &o : incoming)
            out += o.atMs <= now ? o.bytes : QByteArray();
        return out;
    }

    Answer answer;
    const qint64 &now;
    Line &line;
    QList<Output> incoming;
};

} // namespace

class MeterProbeTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void findMeter_data()
    {
        QTest::addColumn<QStringList>("candidates");
        QTest::addColumn<QStringList>("said"); // each device's result, then the summary
        QTest::addColumn<QString>("listen");
        QTest::addColumn<QByteArray>("heard"); // by that device, hexadecimal
        const QString meterFound = "Meter found on /dev/ttyUSB0 (USB serial adapter)";
        QTest::newRow("among others")
            << QStringList{"/dev/ttyUSB97", "/dev/ttyS2", "/dev/ttyS0", "/dev/ttyS1", "/dev/ttyUSB0", "/dev/ttyS3"}
            << QStringList{"/dev/ttyUSB97: cannot be opened: No such file or directory.",
                           "/dev/ttyS2: cannot be opened: Permission denied. Add yourself to the group dialout.",
                           "/dev/ttyS0: no answer",
                           "/dev/ttyS1 (noise): answers, but not as the meter does",
                           meterFound,
                           meterFound}
            << "/dev/ttyUSB0" << QByteArray("0055B5A5A9");
        QTest::newRow("asleep for good") << QStringList{"/dev/ttyUSB1", "/dev/ttyUSB97"}
                                         << QStringList{"/dev/ttyUSB1: no answer",
                                                        "/dev/ttyUSB97: cannot be opened: No such file or directory.",
                                                        "No meter found on /dev/ttyUSB1, /dev/ttyUSB97."}
                                         << "/dev/ttyUSB1"
                                         << QByteArray(102, '0'); // 51 wake-up bytes, as a download sends
        QTest::newRow("nothing to try") << QStringList{}
                                        << QStringList{"No meter found: there is no serial port to try."} << ""
                                        << QByteArray();
    }
    void findMeter()
    {
        QFETCH(QStringList, candidates);
        qint64 now = 0;
        MeterResponder meter(RecordList::generate(3, 7, QDateTime(QDate(2024, 3, 1), QTime(12, 0))), {});
        MeterResponder sleepy({}, {.noWakeup = true});
        const std::map<QString, FakeDevice::Answer> answers{
            {"/dev/ttyUSB0", [&](const QByteArray &b, qint64 t) { return meter.hear(b, t); }},
            {"/dev/ttyUSB1", [&](const QByteArray &b, qint64 t) { return sleepy.hear(b, t); }},
            {"/dev/ttyS0", [](const QByteArray &, qint64) { return QList<Output>{}; }},
            {"/dev/ttyS1",
             [](const QByteArray &, qint64 t) {
            return QList<Output>{{t + 5, "\xFF\xFF\xFF\xFF"}, {t + 8, QByteArray(1, 0)}};
             }},
            };
        const std::map<QString, QString> refusals{
            {"/dev/ttyUSB97", "No such file or directory."},
            {"/dev/ttyS2", "Permission denied. Add yourself to the group dialout."}};
        std::map<QString, Line> lines;
        QStringList openTogether; // devices open while another was opened
        const auto open = [&](const QString &device, QString *failure) -> std::unique_ptr<MeterLink> {
            for (const auto &[name, line] : lines)
                if (line.open)
                    openTogether << name;
            if (refusals.count(device)) {
                *failure = refusals.at(device);
                return nullptr;
            }
            return std::make_unique<FakeDevice>(answers.at(device), now, lines[device]);
        };
        QList<SerialPortEntry> ports;
        for (const QString &c : candidates)
            ports << SerialPortEntry{
                c, c == "/dev/ttyUSB0" ? "USB serial adapter" : c == "/dev/ttyS1" ? "noise" : "", {}, {}, {}, {}};

        MeterProbe probe(ports, open);
        QStringList said;
        connect(&probe, &MeterProbe::tried, this, [&](const MeterProbe::Result &r) { said << r.text(); });
        for (; !probe.isDone() && now < 60000; now += MeterProbe::kTickMs)
            probe.advance(now);
        said << probe.summary();
        for (const auto &[name, line] : lines)
            if (line.open)
                openTogether << name; // left open at the end
        QTEST(said, "said");
        QCOMPARE(openTogether, QStringList());
        // No request but wake-up, link test and sleep: nothing read or changed in the meter.
        QFETCH(QString, listen);
        QTEST(lines[listen].heard.toHex().toUpper(), "heard");
    }
};

QTEST_GUILESS_MAIN(MeterProbeTest)
#include "tst_meter_probe.moc"
