#include "platform/DeviceChoices.h"

#include "platform/LocalBytes.h"
#include "platform/PortNames.h"
#include "platform/RegularFile.h"
#include "platform/TextFiles.h"

#include <QDir>

#include <algorithm>
#include <set>

namespace {

const QByteArray kSection = QByteArrayLiteral("[SerialDevices]");
// Far more than five devices for each of thousands of users: a larger file is
// not the program's, and is not read into memory.
constexpr qint64 kLargestFile = 1 << 20;

QString fallback(const QString &problem)
{
    return problem
           + QStringLiteral(" The serial ports open their default devices until one is chosen in the settings again.");
}

QString damaged(const QString &file, const QString &why)
{
    return QStringLiteral("The settings file %1 is damaged (%2).").arg(QDir::toNativeSeparators(file), why);
}

// The file's content up to kLargestFile bytes; false with why it cannot be used.
bool readBounded(const QString &file, QByteArray *content, QString *why)
{
    QFile f;
    QString reason;
    if (RegularFile::open(f, file, QIODevice::ReadOnly, &reason)) {
        *content = f.read(kLargestFile + 1);
        if (f.error() == QFile::NoError) {
            if (content->size() <= kLargestFile)
                return true;
            *why = damaged(file, QStringLiteral("larger than %1 bytes").arg(kLargestFile));
            return false;
        }
        reason = f.errorString();
    }
    *why = QStringLiteral("Cannot read %1: %2.").arg(QDir::toNativeSeparators(file), reason);
    return false;
}

// The ID's own bytes, as the user list holds them, so no ID can break a line
// and an ID of another encoding comes back as itself.
QByteArray encodedId(const QString &id)
{
    return LocalBytes::encode(id).toPercentEncoding();
}

bool hasControlCharacter(const QString &device)
{
    return std::any_of(device.begin(), device.end(), [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; });
}

} // namespace

QString DeviceChoices::path(const QString &dataDir)
{
    return QDir(dataDir).filePath(QStringLiteral("dextrel.ini"));
}

bool DeviceChoices::read(const QString &dataDir, DeviceChoices *choices, QString *problem)
{
    *choices = {};
    const QString file = path(dataDir);
    if (!TextFiles::exists(file))
        return true;
    QByteArray content;
    QString why;
    if (!readBounded(file, &content, problem))
        return false;
    if (!choices->parse(content, &why)) {
        *choices = {};
        *problem = damaged(file, why);
        return false;
    }
    return true;
}

DeviceChoices DeviceChoices::load(const QString &dataDir, QString *warning)
{
    DeviceChoices choices;
    QString problem;
    if (!read(dataDir, &choices, &problem))
        *warning = fallback(problem);
    return choices;
}

bool DeviceChoices::store(const QString &dataDir, const QString &user, int port, const QString &device, QString *error)
{
    if (hasControlCharacter(device)) {
        *error = QStringLiteral("A device name cannot hold a line break or another control character.");
        return false;
    }
    // Every other user's choices are in the file: one that cannot be read
    // whole is not replaced by the one choice known.
    DeviceChoices choices;
    if (!read(dataDir, &choices, error)) {
        *error += QStringLiteral(" It is left as it is, so that no other choice in it is lost.");
        return false;
    }
    choices.set(user, port, device);
    return TextFiles::writeAtomically(path(dataDir), choices.format(), error);
}

bool DeviceChoices::parse(const QByteArray &content, QString *why)
{
    TextFiles::LineSplitter lines(content);
    QByteArrayView line;
    bool inSection = false;
    for (int number = 1; lines.next(&line); ++number) {
        m_lines.append(Line{line.toByteArray(), lines.lineEnd().toByteArray(), {}, {}});
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
        const Key key{LocalBytes::decode(QByteArray::fromPercentEncoding(text.left(slash))), port};
        m_lines.last().key = key;
        m_lines.last().device = device;
        set(key.first, key.second, device);
    }
    return true;
}

// Every line read stays as it was, comments and other sections included; a
// changed choice is written in its own line's place, a new one among the
// choices in the order of their IDs and ports, a removed one goes.
QByteArray DeviceChoices::format() const
{
    const auto choiceLine = [](const Key &key, const QString &device) {
        return encodedId(key.first) + '/' + QByteArray::number(key.second) + '=' + device.toLocal8Bit();
    };
    QList<Line> lines = m_lines;
    std::set<Key> placed;
    for (qsizetype i = 0; i < lines.size();) {
        Line &line = lines[i];
        const auto chosen = line.key ? m_devices.find(*line.key) : m_devices.end();
        if (line.key && (chosen == m_devices.end() || placed.count(*line.key) > 0)) {
            lines.removeAt(i);
            continue;
        }
        if (line.key) {
            if (chosen->second != line.device)
                line.raw = choiceLine(chosen->first, chosen->second);
            placed.insert(*line.key);
        }
        ++i;
    }
    for (const auto &[key, device] : m_devices) {
        if (placed.count(key) > 0)
            continue;
        // Before the first choice that sorts after it, else after the last
        // choice, else right after the section's title, which a file without
        // one gets at its end.
        qsizetype at = -1;
        qsizetype title = -1;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (lines[i].raw.trimmed() == kSection)
                title = i;
            if (lines[i].key && *lines[i].key > key) {
                at = i;
                break;
            }
            if (lines[i].key)
                at = i + 1;
        }
        if (at < 0 && title < 0)
            lines.append(Line{kSection, "\r\n", {}, {}});
        if (at < 0)
            at = title < 0 ? lines.size() : title + 1;
        lines.insert(at, Line{choiceLine(key, device), "\r\n", key, device});
    }
    QByteArray out;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        // An unfinished last line is finished when a line comes after it.
        const bool unfinished = lines[i].end.isEmpty() && i + 1 < lines.size();
        out += lines[i].raw + (unfinished ? QByteArrayLiteral("\r\n") : lines[i].end);
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
