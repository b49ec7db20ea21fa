#include "platform/DeviceChoices.h"

#include "platform/PortNames.h"
#include "platform/TextFiles.h"

#include <QDir>
#include <QUrl>

namespace {

const QByteArray kSection = QByteArrayLiteral("[SerialDevices]");

QString fallback(const QString &problem)
{
    return problem
           + QStringLiteral(" The serial ports open their default devices until one is chosen in the settings again.");
}

} // namespace

QString DeviceChoices::path(const QString &dataDir)
{
    return QDir(dataDir).filePath(QStringLiteral("dextrel.ini"));
}

DeviceChoices DeviceChoices::load(const QString &dataDir, QString *warning)
{
    DeviceChoices choices;
    const QString file = path(dataDir);
    if (!TextFiles::exists(file))
        return choices;
    QByteArray content;
    QString why;
    if (!TextFiles::read(file, &content, &why)) {
        *warning = fallback(why + QLatin1Char('.'));
    } else if (!choices.parse(content, &why)) {
        choices = {};
        *warning = fallback(
            QStringLiteral("The settings file %1 is damaged (%2).").arg(QDir::toNativeSeparators(file), why));
    }
    return choices;
}

bool DeviceChoices::store(const QString &dataDir, const QString &user, int port, const QString &device, QString *error)
{
    QString ignored; // a damaged file is replaced by what is known
    DeviceChoices choices = load(dataDir, &ignored);
    choices.set(user, port, device);
    return TextFiles::writeAtomically(path(dataDir), choices.format(), error);
}

bool DeviceChoices::parse(const QByteArray &content, QString *why)
{
    TextFiles::LineSplitter lines(content);
    QByteArrayView line;
    bool inSection = false;
    for (int number = 1; lines.next(&line); ++number) {
        const QByteArray text = line.trimmed().toByteArray();
        if (text.isEmpty() || text.startsWith(';') || text.startsWith('#'))
            continue;
        if (text.startsWith('[')) {
            inSection = text == kSection;
            continue;
        }
        const qsizetype equals = text.indexOf('=');
        const qsizetype slash = text.lastIndexOf('/', equals);
        bool portOk = false;
        const int port = slash > 0 ? text.mid(slash + 1, equals - slash - 1).toInt(&portOk) : 0;
        const QString device = QString::fromLocal8Bit(text.mid(equals + 1));
        if (!inSection || equals < 0 || !portOk || port < PortNames::kFirstPort || port > PortNames::kLastPort
            || device.isEmpty()) {
            *why = QStringLiteral("line %1: \"%2\"").arg(number).arg(QString::fromLocal8Bit(text.left(80)));
            return false;
        }
        set(QUrl::fromPercentEncoding(text.left(slash)), port, device);
    }
    return true;
}

QByteArray DeviceChoices::format() const
{
    QByteArray out = TextFiles::encodeLine(QString::fromLatin1(kSection));
    for (const auto &[key, device] : m_devices) {
        const QString id = QString::fromLatin1(QUrl::toPercentEncoding(key.first));
        out += TextFiles::encodeLine(QStringLiteral("%1/%2=%3").arg(id, QString::number(key.second), device));
    }
    return out;
}

QString DeviceChoices::device(const QString &user, int port) const
{
    const auto it = m_devices.find({user, port});
    return it == m_devices.end() ? QString() : it->second;
}

void DeviceChoices::set(const QString &user, int port, const QString &device)
{
    if (device.isEmpty())
        m_devices.erase({user, port});
    else
        m_devices[{user, port}] = device;
}
