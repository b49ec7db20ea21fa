#include "platform/UsbIds.h"

#include <QRegularExpression>

namespace {

std::optional<quint16> hexAfter(const QString &id, QLatin1String key)
{
    static const QRegularExpression hex(QStringLiteral("^[0-9A-Fa-f]{4}"));
    const qsizetype at = id.indexOf(key, 0, Qt::CaseInsensitive);
    if (at < 0)
        return std::nullopt;
    const QRegularExpressionMatch m = hex.match(id.mid(at + key.size()));
    return m.hasMatch() ? std::optional(quint16(m.captured().toUShort(nullptr, 16))) : std::nullopt;
}

} // namespace

UsbIds UsbIds::fromWindowsIds(const QString &hardwareId, const QString &instanceId)
{
    UsbIds out;
    for (const QString &id : {instanceId, hardwareId}) {
        if (!out.vendorId)
            out.vendorId = hexAfter(id, QLatin1String("VID_"));
        if (!out.productId)
            out.productId = hexAfter(id, QLatin1String("PID_"));
    }
    const QStringList parts = instanceId.split(u'\\');
    if (parts.size() != 3)
        return out;
    if (parts.first().compare(QLatin1String("USB"), Qt::CaseInsensitive) == 0 && !parts.last().contains(u'&'))
        out.serialNumber = parts.last();
    const QStringList ftdi = parts.at(1).split(u'+');
    if (parts.first().compare(QLatin1String("FTDIBUS"), Qt::CaseInsensitive) == 0 && ftdi.size() == 3)
        out.serialNumber = ftdi.last();
    return out;
}
