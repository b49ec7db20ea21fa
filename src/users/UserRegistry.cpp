#include "users/UserRegistry.h"

#include "platform/LocalBytes.h"
#include "platform/TextFiles.h"
#include "store/ReadingTexts.h"

#include <QDir>

#include <cmath>
#include <limits>
#include <utility>

namespace {

constexpr int kFieldCount = 9;

// ID and Passwd end with a mark in the file; whatever the last character is, it
// goes (a surrogate pair counts as one character).
QString withoutLastCharacter(const QString &field)
{
    const qsizetype n = field.size();
    const bool pair = n >= 2 && field.at(n - 1).isLowSurrogate() && field.at(n - 2).isHighSurrogate();
    return field.left(n - (pair ? 2 : 1));
}

// The old 16-bit conversion: a decimal text rounds half to even.
bool toInt16(const QString &field, int *value)
{
    bool ok = false;
    const double x = field.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(x))
        return false;
    const double below = std::floor(x);
    const double fraction = x - below;
    double rounded = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0))
        rounded = below + 1.0;
    if (rounded < std::numeric_limits<qint16>::min() || rounded > std::numeric_limits<qint16>::max())
        return false;
    *value = int(rounded);
    return true;
}

int fieldOr(const QString &field, int fallback)
{
    int value = 0;
    return toInt16(field, &value) ? value : fallback;
}

UserRecord withSettings(UserRecord record, const UserSettings &s)
{
    record.port = QString::number(s.port);
    record.unit = QString::number(s.unit);
    record.time = QString::number(s.dateFormat);
    record.max = QString::number(s.max);
    record.min = QString::number(s.min);
    record.maxp = QString::number(s.maxp);
    record.minp = QString::number(s.minp);
    return record;
}

// The settings fields of a record line given new values; the ID and Passwd
// fields keep their bytes.
QByteArray lineWithSettings(const QByteArray &line, const UserRecord &r)
{
    QList<QByteArray> fields = line.split(',');
    const QStringList values{r.port, r.unit, r.time, r.max, r.min, r.maxp, r.minp};
    for (qsizetype i = 0; i < values.size(); ++i)
        fields[i + 2] = values.at(i).toLatin1();
    return fields.join(',');
}

// Text of the local 8-bit encoding when the bytes are that, else each byte as
// its Latin-1 character: bytes that are not valid in the local encoding (an old
// list written in another code page) stay distinct, and a password made of
// them can still be typed.
QString decode(const QByteArray &bytes)
{
    const QString local = QString::fromLocal8Bit(bytes);
    return local.toLocal8Bit() == bytes ? local : QString::fromLatin1(bytes);
}

QString missingFile(const QString &path)
{
    return QStringLiteral("The file %1 does not exist.").arg(QDir::toNativeSeparators(path));
}

} // namespace

namespace UserRegistry {

UserSettings newUserSettings(const QString &id)
{
    return UserSettings{id, 1, int(GlucoseUnit::MgPerDl), int(DateFormat::YearMonthDay), 120, 80, 120, 80};
}

QString formatRecord(const UserRecord &r)
{
    return r.id + QStringLiteral("*,") + r.passwd + QStringLiteral("*,")
           + QStringList{r.port, r.unit, r.time, r.max, r.min, r.maxp, r.minp}.join(QLatin1Char(','));
}

QString newUserRecord(const QString &id, const QString &password)
{
    UserRecord record;
    record.id = id;
    record.passwd = password;
    return formatRecord(withSettings(record, newUserSettings(id)));
}

QByteArray defaultContent()
{
    return TextFiles::encodeLine(QString::fromLatin1(kHeader))
           + TextFiles::encodeLine(newUserRecord(kGuestId, kGuestPassword));
}

UserTable parse(const QByteArray &content)
{
    UserTable table;
    TextFiles::LineSplitter lines(content);
    QByteArrayView view;
    if (lines.next(&view))
        table.setFirstLine(view.toByteArray(), lines.lineEnd().toByteArray());
    while (lines.next(&view)) {
        const QByteArray line = view.toByteArray();
        const QByteArray end = lines.lineEnd().toByteArray();
        const QList<QByteArray> f = line.split(',');
        // The ID keeps bytes the local encoding cannot read (see LocalBytes):
        // it names the user's files. The password is typed, so such bytes are
        // read as Latin-1 characters.
        const QString id = f.size() == kFieldCount ? withoutLastCharacter(LocalBytes::decode(f.at(0))) : QString();
        if (id.isEmpty()) {
            table.addRawLine(line, end);
            continue;
        }
        table.addRecord(UserRecord{id, withoutLastCharacter(decode(f.at(1))), decode(f.at(2)), decode(f.at(3)),
                                   decode(f.at(4)), decode(f.at(5)), decode(f.at(6)), decode(f.at(7)), decode(f.at(8))},
                        line, end);
    }
    return table;
}

bool read(const QString &path, UserTable *table, QString *error)
{
    QByteArray content;
    if (!TextFiles::read(path, &content, error))
        return false;
    *table = parse(content);
    return true;
}

bool createDefault(const QString &path, QString *error)
{
    return TextFiles::writeAtomically(path, defaultContent(), error);
}

bool ensureExists(const QString &path, QString *error)
{
    return TextFiles::exists(path) || createDefault(path, error);
}

bool append(const QString &path, const QString &id, const QString &password, QString *error)
{
    if (!TextFiles::exists(path)) {
        if (error)
            *error = missingFile(path);
        return false;
    }
    QByteArray content;
    if (!TextFiles::read(path, &content, error))
        return false;
    // A record glued to an unfinished last line, or taken for the header of an
    // empty file, would never be listed.
    QByteArray bytes;
    if (content.isEmpty())
        bytes = TextFiles::encodeLine(QString::fromLatin1(kHeader));
    else if (!content.endsWith('\n') && !content.endsWith('\r'))
        bytes = "\r\n";
    bytes += TextFiles::encodeLine(newUserRecord(id, password));
    QString appendError;
    if (!TextFiles::append(path, bytes, &appendError)) {
        // No reason given: the file vanished in the meantime.
        if (error)
            *error = appendError.isEmpty() ? missingFile(path) : appendError;
        return false;
    }
    return true;
}

UserTable applySettings(const UserTable &table, const UserSettings &settings)
{
    const bool emptyFile = table.firstLine().isEmpty() && table.lines().isEmpty();
    UserTable updated;
    if (emptyFile)
        updated.setFirstLine(kHeader);
    else
        updated.setFirstLine(table.firstLine(), table.firstLineEnd());
    for (const UserTable::Line &line : table.lines()) {
        if (line.record == 0) {
            updated.addRawLine(line.raw, line.end);
        } else if (const UserRecord &r = table.record(line.record); r.id != settings.id) {
            updated.addRecord(r, line.raw, line.end);
        } else {
            const UserRecord changed = withSettings(r, settings);
            updated.addRecord(changed, lineWithSettings(line.raw, changed), line.end);
        }
    }
    return updated;
}

QByteArray format(const UserTable &table)
{
    QByteArray content = table.firstLine() + table.firstLineEnd();
    for (const UserTable::Line &line : table.lines())
        content += line.raw + line.end;
    return content;
}

bool rewrite(const QString &path, UserTable &table, const UserSettings &settings, QString *error)
{
    // Users added and lines changed since the table was read stay: the rewrite
    // starts from the file as it is now. A file gone meanwhile has nothing to keep.
    UserTable onDisk = table;
    if (TextFiles::exists(path) && !read(path, &onDisk, error))
        return false;
    UserTable updated = applySettings(onDisk, settings);
    if (!TextFiles::writeAtomically(path, format(updated), error))
        return false;
    table = std::move(updated);
    return true;
}

UserSettings settingsOf(const UserRecord &r)
{
    const UserSettings d = newUserSettings(r.id);
    return UserSettings{r.id,
                        fieldOr(r.port, d.port),
                        fieldOr(r.unit, d.unit),
                        fieldOr(r.time, d.dateFormat),
                        fieldOr(r.max, d.max),
                        fieldOr(r.min, d.min),
                        fieldOr(r.maxp, d.maxp),
                        fieldOr(r.minp, d.minp)};
}

} // namespace UserRegistry
