#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <map>
#include <optional>
#include <utility>

// The serial device each user chose for each port number, kept in the program's
// own settings file in the data folder, owner-only like the other files and
// rewritten whole and atomically:
//
//   [SerialDevices]
//   alice/1=/dev/ttyUSB0
//
// The user ID's bytes (as in the user list) are percent-encoded, so no ID can
// break a line. Never kept in DXRegister.txt: other programs read its bytes.
class DeviceChoices
{
public:
    static QString path(const QString &dataDir);

    // No file means no choice. A file that cannot be read, is larger than a
    // megabyte or makes no sense means none either, with a warning saying so.
    static DeviceChoices load(const QString &dataDir, QString *warning);
    // Reads the file afresh and rewrites it with one choice changed; an empty
    // device goes back to the default. Refused, the file left as it is, when
    // the device holds a control character (a line break would write another
    // line) or when the file cannot be read whole: it holds other choices.
    static bool store(const QString &dataDir, const QString &user, int port, const QString &device, QString *error);

    // False with the first line that makes no sense.
    bool parse(const QByteArray &content, QString *why);
    // The lines parsed, each as it was unless its choice changed, with the
    // choices set since.
    QByteArray format() const;

    // Empty when the user chose none for the port.
    QString device(const QString &user, int port) const;
    void set(const QString &user, int port, const QString &device);

private:
    using Key = std::pair<QString, int>; // user and port
    // A line of the file as read, with its end; the choice it sets, if any.
    struct Line
    {
        QByteArray raw;
        QByteArray end;
        std::optional<Key> key;
        QString device;
    };

    // The choices in the file; false with why none could be taken.
    static bool read(const QString &dataDir, DeviceChoices *choices, QString *problem);

    std::map<Key, QString> m_devices;
    QList<Line> m_lines;
};
