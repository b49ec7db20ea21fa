#include "store/ReadingFile.h"

#include "platform/BackupNames.h"
#include "platform/TextFiles.h"
#include "store/ReadingTexts.h"

#include <QByteArrayView>
#include <QDir>

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>

namespace {

constexpr int kFieldCount = 10;
constexpr char kLineEnd[] = "\r\n";

// Decimal digits of value, zero-padded to width; wider values are written in
// full and negative ones get a minus sign before the padding ("-03").
void appendPadded(QByteArray &out, qint64 value, int width)
{
    // Work on the negative side so the smallest 64-bit value has a magnitude too.
    const bool negative = value < 0;
    qint64 rest = negative ? value : -value;
    char digits[24];
    int n = 0;
    do {
        digits[n++] = char('0' - rest % 10);
        rest /= 10;
    } while (rest != 0);
    if (negative)
        out.append('-');
    for (int i = n; i < width; ++i)
        out.append('0');
    while (n > 0)
        out.append(digits[--n]);
}

// Glucose_mmol, format "#00.0": at least two integer digits ("06.7").
void appendMmol(QByteArray &out, int glucose)
{
    const qint64 tenths = ReadingTexts::mmolTenths(glucose);
    const qint64 magnitude = tenths < 0 ? -tenths : tenths;
    if (tenths < 0)
        out.append('-');
    appendPadded(out, magnitude / 10, 2);
    out.append('.');
    out.append(char('0' + magnitude % 10));
}

void appendLine(QByteArray &out, int rowNumber, const Reading &r)
{
    out.append('T');
    appendPadded(out, rowNumber, 4);
    out.append(',');
    appendPadded(out, r.glucose, 5);
    out.append(',');
    appendPadded(out, r.month, 2);
    out.append(',');
    appendPadded(out, r.day, 2);
    out.append(',');
    appendPadded(out, r.hour, 2);
    out.append(',');
    appendPadded(out, r.minute, 2);
    out.append(',');
    const QLatin1StringView mark = ReadingTexts::eventText(r.event);
    out.append(mark.data(), mark.size());
    out.append(',');
    appendMmol(out, r.glucose);
    out.append(',');
    appendPadded(out, r.year, 4);
    out.append(',');
    appendPadded(out, r.year, 4);
    out.append('/');
    appendPadded(out, r.month, 2);
    out.append('/');
    appendPadded(out, r.day, 2);
    out.append(" - ");
    appendPadded(out, r.hour, 2);
    out.append(':');
    appendPadded(out, r.minute, 2);
}

// A whole number with an optional sign that fits an int; nothing else.
bool parseInt(QByteArrayView text, int *value)
{
    qsizetype i = 0;
    const bool negative = !text.isEmpty() && text[0] == '-';
    if (!text.isEmpty() && (text[0] == '-' || text[0] == '+'))
        i = 1;
    if (i == text.size())
        return false;
    const qint64 limit = negative ? -qint64(std::numeric_limits<int>::min())
                                  : qint64(std::numeric_limits<int>::max());
    qint64 magnitude = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            return false;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit)
            return false;
    }
    *value = int(negative ? -magnitude : magnitude);
    return true;
}

// One data line into r; false when it is not ten fields with whole numbers in
// the columns that are read (Test_No, Glucose_mmol and Date & Time are not).
bool parseLine(QByteArrayView line, Reading *r)
{
    std::array<QByteArrayView, kFieldCount> fields;
    int n = 0;
    qsizetype fieldStart = 0;
    for (qsizetype i = 0; i <= line.size(); ++i) {
        if (i < line.size() && line[i] != ',')
            continue;
        if (n == kFieldCount)
            return false;
        fields[n++] = line.sliced(fieldStart, i - fieldStart);
        fieldStart = i + 1;
    }
    if (n != kFieldCount)
        return false;
    if (!parseInt(fields[1], &r->glucose) || !parseInt(fields[2], &r->month)
        || !parseInt(fields[3], &r->day) || !parseInt(fields[4], &r->hour)
        || !parseInt(fields[5], &r->minute) || !parseInt(fields[8], &r->year))
        return false;
    r->event = ReadingTexts::eventMark(fields[6]);
    return true;
}

// For reserving the table once: an upper bound on the readings in content,
// whichever line ends it uses. A reading's line is at least 15 bytes
// ("T,1,1,1,1,1,,,1,"), so a file of empty lines reserves little.
qsizetype readingCount(const QByteArray &content)
{
    // memchr runs a line at a time in a few instructions, where counting
    // byte by byte took a fifth of the whole load.
    const auto count = [&content](char c) {
        qsizetype n = 0;
        const char *end = content.constData() + content.size();
        for (const char *p = content.constData(); (p = static_cast<const char *>(std::memchr(p, c, size_t(end - p))));
             ++p)
            ++n;
        return n;
    };
    const qsizetype lf = count('\n');
    return std::min(1 + (lf > 0 ? lf : count('\r')), content.size() / 15 + 1);
}

QString nativePath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

namespace ReadingFile {

QByteArray newFileContent()
{
    return QByteArray(kHeader) + kLineEnd + kTemplateRow + kLineEnd;
}

bool create(const QString &path, QString *error)
{
    return TextFiles::writeAtomically(path, newFileContent(), error);
}

QByteArray formatLine(int rowNumber, const Reading &r)
{
    QByteArray out;
    appendLine(out, rowNumber, r);
    return out;
}

QByteArray format(const ReadingTables &tables)
{
    const QList<Reading> &readings = tables.readings();
    QByteArray out;
    // A line with ordinary values is 55 bytes and its end.
    out.reserve(qsizetype(sizeof kHeader) + 2 + readings.size() * 57);
    out.append(kHeader).append(kLineEnd);
    int row = 1;
    for (auto it = readings.crbegin(); it != readings.crend(); ++it, ++row) {
        appendLine(out, row, *it);
        out.append(kLineEnd);
    }
    return out;
}

LoadResult load(const QString &path)
{
    QByteArray content;
    QString error;
    if (!TextFiles::read(path, &content, &error)) {
        LoadResult failed;
        failed.error = error;
        return failed;
    }
    return parse(std::move(content));
}

LoadResult parse(QByteArray content)
{
    LoadResult result;
    result.content = std::move(content);
    const QByteArray &bytes = result.content;
    QList<Reading> &readings = result.tables.readings();
    readings.reserve(readingCount(bytes));
    result.lineStarts.reserve(readings.capacity());

    int lineNumber = 0;
    TextFiles::LineSplitter lines(bytes);
    for (QByteArrayView line; lines.next(&line);) {
        ++lineNumber;
        if (lineNumber == 1) {
            // An editor may have put a byte-order mark before the header, or
            // dropped the header: a first line that is a reading is one. Any
            // other first line is counted, so that the original is kept.
            if (line.startsWith("\xEF\xBB\xBF"))
                line = line.sliced(3);
            if (line == QByteArrayView(kHeader))
                continue;
        } else if (line.isEmpty()) {
            continue;
        }
        // Parsed in place, into the table in file order; reversed at the end.
        if (line.size() <= kLongestLine && parseLine(line, &readings.emplace_back())) {
            result.lineStarts.append(line.data() - bytes.constData());
            continue;
        }
        if (readings.size() > result.lineStarts.size())
            readings.removeLast();
        if (result.skippedLines++ == 0)
            result.firstSkippedLine = lineNumber;
    }

    std::reverse(readings.begin(), readings.end());
    result.tables.setKeepOriginalBeforeRewrite(result.skippedLines > 0);
    result.ok = true;
    return result;
}

QString backupPath(const QString &path)
{
    return path + QStringLiteral(".bak");
}

bool CreateAfile(const QString &path, ReadingTables &tables, const QDateTime &now, QString *error,
                 QByteArray *written)
{
    if (tables.keepOriginalBeforeRewrite()) {
        // Lines that could not be read are about to be dropped: keep them first,
        // beside any copy kept before, or do not rewrite at all.
        if (TextFiles::exists(path)) {
            QByteArray original;
            if (!TextFiles::read(path, &original, error))
                return false;
            bool kept = false;
            bool taken = true;
            const QStringList names = BackupNames::candidates(path, now);
            for (qsizetype i = 0; !kept && taken && i < names.size(); ++i)
                kept = TextFiles::writeNew(names.at(i), original, error, &taken);
            if (!kept)
                return false;
        }
        tables.setKeepOriginalBeforeRewrite(false);
    }
    QByteArray content = format(tables);
    if (!TextFiles::writeAtomically(path, content, error))
        return false;
    if (written)
        *written = std::move(content);
    return true;
}

QString skippedLinesWarning(const QString &path, const LoadResult &result)
{
    if (result.skippedLines == 0)
        return {};
    const QString backup = backupPath(path);
    const QString kept = TextFiles::exists(backup)
        ? QStringLiteral("The file will be kept unchanged beside %1, with the date and time in its name, "
                         "before new readings are saved.").arg(nativePath(backup))
        : QStringLiteral("The file will be kept unchanged as %1 before new readings are saved.")
              .arg(nativePath(backup));
    if (result.skippedLines == 1) {
        return QStringLiteral("Line %1 of %2 could not be read and was skipped. %3")
            .arg(result.firstSkippedLine)
            .arg(nativePath(path), kept);
    }
    return QStringLiteral("%1 lines of %2 could not be read and were skipped; the first is line %3. %4")
        .arg(result.skippedLines)
        .arg(nativePath(path))
        .arg(result.firstSkippedLine)
        .arg(kept);
}

} // namespace ReadingFile
