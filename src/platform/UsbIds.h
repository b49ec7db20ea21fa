#pragma once

#include <QString>

#include <optional>

// What the IDs Windows gives a serial device say about a USB adapter: its
// vendor and product numbers and its serial number.
struct UsbIds
{
    std::optional<quint16> vendorId;
    std::optional<quint16> productId;
    QString serialNumber;

    // From a device's instance ID ("USB\VID_0403&PID_6001\A10K3LQD",
    // "FTDIBUS\VID_0403+PID_6001+A10K3LQDA\0000", "USB\VID_067B&PID_2303\5&2A3B7C&0&2")
    // and, where that has no numbers, its hardware ID ("USB\VID_0403&PID_6001&REV_0600").
    // The serial number is the USB instance ID's last part unless Windows made
    // that part up (it then holds '&'), or the third part an FTDI driver's holds.
    static UsbIds fromWindowsIds(const QString &hardwareId, const QString &instanceId);

    friend bool operator==(const UsbIds &, const UsbIds &) = default;
};
