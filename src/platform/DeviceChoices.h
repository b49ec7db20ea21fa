#pragma once

#include <QByteArray>
#include <QString>

#include <map>
#include <utility>

// The serial device each user chose for each port number, kept in the program's
// own settings file in the data folder, owner-only like the other files and
// rewritten whole and atomically:
//
//   [SerialDevices]
//   alice/1=/dev/ttyUSB0
//
// The user ID is percent-encoded, so no ID can break a line. Never kept in
// DXRegister.txt: other programs read its bytes.
class DeviceChoices
{
public:
    static QString path(const QString &dataDir);

    // No file means no choice. A file that cannot be read or makes no sense
    // means none either, with a warning saying so.
    static DeviceChoices load(const QString &dataDir, QString *warning);
    // Reads the file afresh and rewrites it with one choice changed; an empty
    // device goes back to the default.
    static bool store(const QString &dataDir, const QString &user, int port, const QString &device, QString *error);

    // False with the first line that makes no sense.
    bool parse(const QByteArray &content, QString *why);
    QByteArray format() const;

    // Empty when the user chose none for the port.
    QString device(const QString &user, int port) const;
    void set(const QString &user, int port, const QString &device);

private:
    std::map<std::pair<QString, int>, QString> m_devices;
};
