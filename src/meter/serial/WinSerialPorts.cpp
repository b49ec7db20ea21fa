// The serial ports Windows lists: those of the device manager's "Ports" and
// "Modems" classes, with what their drivers say, and any other the system maps
// in HARDWARE\DEVICEMAP\SERIALCOMM (ports of drivers without a device entry).
#include "meter/serial/SystemSerialPorts.h"

#include "platform/UsbIds.h"

#include <windows.h>

#include <initguid.h>

#include <devguid.h>
#include <setupapi.h>

#include <algorithm>

namespace {

QString registryString(HKEY key, const wchar_t *name)
{
    wchar_t value[256] = {};
    DWORD type = 0;
    DWORD size = sizeof value - sizeof(wchar_t);
    if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE *>(value), &size) != ERROR_SUCCESS
        || type != REG_SZ)
        return {};
    return QString::fromWCharArray(value);
}

QString deviceProperty(HDEVINFO set, SP_DEVINFO_DATA *device, DWORD property)
{
    wchar_t value[512] = {};
    if (!SetupDiGetDeviceRegistryPropertyW(set, device, property, nullptr, reinterpret_cast<BYTE *>(value),
                                           sizeof value - 2 * sizeof(wchar_t), nullptr))
        return {};
    return QString::fromWCharArray(value); // a list's first entry
}

QString instanceId(HDEVINFO set, SP_DEVINFO_DATA *device)
{
    wchar_t value[512] = {};
    if (!SetupDiGetDeviceInstanceIdW(set, device, value, 511, nullptr))
        return {};
    return QString::fromWCharArray(value);
}

void addDevicesOfClass(const GUID &deviceClass, QList<SerialPortEntry> &out)
{
    HDEVINFO set = SetupDiGetClassDevsW(&deviceClass, nullptr, nullptr, DIGCF_PRESENT);
    if (set == INVALID_HANDLE_VALUE)
        return;
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof device;
    for (DWORD i = 0; SetupDiEnumDeviceInfo(set, i, &device); ++i) {
        HKEY key = SetupDiOpenDevRegKey(set, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
        if (key == INVALID_HANDLE_VALUE)
            continue;
        const QString name = registryString(key, L"PortName");
        RegCloseKey(key);
        if (!name.startsWith(QLatin1String("COM"), Qt::CaseInsensitive))
            continue; // a printer port
        const UsbIds ids = UsbIds::fromWindowsIds(deviceProperty(set, &device, SPDRP_HARDWAREID),
                                                  instanceId(set, &device));
        out << SerialPortEntry{name,
                               deviceProperty(set, &device, SPDRP_DEVICEDESC),
                               deviceProperty(set, &device, SPDRP_MFG),
                               ids.vendorId,
                               ids.productId,
                               ids.serialNumber};
    }
    SetupDiDestroyDeviceInfoList(set);
}

void addMappedPorts(QList<SerialPortEntry> &out)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_QUERY_VALUE, &key)
        != ERROR_SUCCESS)
        return;
    for (DWORD i = 0;; ++i) {
        wchar_t name[256];
        DWORD nameSize = 255;
        wchar_t value[256] = {};
        DWORD valueSize = sizeof value - sizeof(wchar_t);
        DWORD type = 0;
        const LONG status = RegEnumValueW(key, i, name, &nameSize, nullptr, &type, reinterpret_cast<BYTE *>(value),
                                          &valueSize);
        if (status == ERROR_NO_MORE_ITEMS)
            break;
        if (status != ERROR_SUCCESS || type != REG_SZ)
            continue;
        const QString port = QString::fromWCharArray(value);
        const auto same = [&port](const SerialPortEntry &e) {
            return e.device.compare(port, Qt::CaseInsensitive) == 0;
        };
        if (!port.isEmpty() && std::none_of(out.cbegin(), out.cend(), same))
            out << SerialPortEntry{port, {}, {}, {}, {}, {}};
    }
    RegCloseKey(key);
}

} // namespace

QList<SerialPortEntry> SystemSerialPorts::ports() const
{
    QList<SerialPortEntry> out;
    addDevicesOfClass(GUID_DEVCLASS_PORTS, out);
    addDevicesOfClass(GUID_DEVCLASS_MODEM, out);
    addMappedPorts(out);
    // COM2 before COM10.
    std::stable_sort(out.begin(), out.end(), [](const SerialPortEntry &a, const SerialPortEntry &b) {
        return a.device.mid(3).toInt() < b.device.mid(3).toInt();
    });
    return out;
}
