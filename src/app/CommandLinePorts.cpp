#include "app/CommandLinePorts.h"

#include "meter/serial/MeterFinder.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QTextStream>

int runListPorts(QTextStream &out)
{
    const QList<SerialPortEntry> ports = SerialPorts::catalogue().ports();
    for (const SerialPortEntry &port : ports)
        out << port.details() << Qt::endl;
    if (ports.isEmpty())
        out << QCoreApplication::translate("SerialPorts", "This computer lists no serial ports.") << Qt::endl;
    return 0;
}

int runFindMeter(const QStringList &devices, QTextStream &out, QTextStream &err)
{
    const QList<SerialPortEntry> listed = SerialPorts::catalogue().ports();
    QList<SerialPortEntry> candidates;
    for (const QString &device : devices) {
        // A file named from where the program runs is that file, not one in /dev.
        const QFileInfo file(device);
        candidates << SerialPorts::find(listed, file.isRelative() && file.exists() ? file.absoluteFilePath() : device);
    }
    MeterFinder finder(devices.isEmpty() ? listed : candidates);
    QEventLoop loop;
    QObject::connect(&finder.probe(), &MeterProbe::trying, &loop,
                     [&out](const QString &text) { out << text << Qt::endl; });
    QObject::connect(&finder.probe(), &MeterProbe::tried, &loop, [&out](const MeterProbe::Result &result) {
        if (result.outcome != MeterProbe::Outcome::Found)
            out << result.text() << Qt::endl;
    });
    QObject::connect(&finder.probe(), &MeterProbe::done, &loop, &QEventLoop::quit);
    finder.start();
    if (!finder.probe().isDone())
        loop.exec();
    const bool found = finder.probe().found().has_value();
    (found ? out : err) << finder.probe().summary() << Qt::endl;
    return found ? 0 : 1;
}
