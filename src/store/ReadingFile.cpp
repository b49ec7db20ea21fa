#include "store/ReadingFile.h"

#include "platform/BackupNames.h"
#include "platform/LargeBuffers.h"
#include "platform/TextFiles.h"
#include "store/ReadingTexts.h"

#include <QByteArrayView>
#include <QDir>

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

constexpr char kLineEnd[] = "\r\n";
// The values that fit a width of 1 to 5 digits are those below these.
constexpr qint64 kFits[] = {0, 10, 100, 1000, 10000, 100000};

// Decimal digits of value, zero-padded to width; wider values are written in
// full and negative ones get a minus sign before the padding ("-03"). Returns
// the end of what was written.
char *putPadded(char *out, qint64 value, int width)
{
    // The usual case: a value that fits its width, written digit by digit from the right.
    if (value >= 0 && value < kFits[width]) {
        for (quint32 rest = quint32(value), i = quint32(width); i-- > 0; rest /= 10)
            out[i] = char('0' + rest % 10);
        return out + width;
    }
    const bool negative = value < 0;
    quint64 rest = negative ? 0 - quint64(value) : quint64(value);
    char digits[20];
    int n = 0;
    do {
        digits[n++] = char('0' + rest % 10);
        rest /= 10;
    } while (rest != 0);
    if (negative)
        *out++ = '-';
    for (int i = n; i < width; ++i)
        *out++ = '0';
    while (n > 0)
        *out++ = digits[--n];
    return out;
}

char *put(char *out, QLatin1StringView text)
{
    std::memcpy(out, text.data(), size_t(text.size()));
    return out + text.size();
}

// Glucose_mmol, format "#00.0": at least two integer digits ("06.7").
char *putMmol(char *out, int glucose)
{
    const qint64 tenths = ReadingTexts::mmolTenths(glucose);
    const qint64 magnitude = tenths < 0 ? -tenths : tenths;
    if (tenths < 0)
        *out++ = '-';
    out = putPadded(out, magnitude / 10, 2);
    *out++ = '.';
    *out++ = char('0' + magnitude % 10);
    return out;
}

// One data line into out, which has room for kLongestLine bytes; returns its end.
char *putLine(char *out, int rowNumber, const Reading &r)
{
    *out++ = 'T';
    out = putPadded(out, rowNumber, 4);
    *out++ = ',';
    out = putPadded(out, r.glucose, 5);
    *out++ = ',';
    out = putPadded(out, r.month, 2);
    *out++ = ',';
    out = putPadded(out, r.day, 2);
    *out++ = ',';
    out = putPadded(out, r.hour, 2);
    *out++ = ',';
    out = putPadded(out, r.minute, 2);
    *out++ = ',';
    out = put(out, ReadingTexts::eventText(r.event));
    *out++ = ',';
    out = putMmol(out, r.glucose);
    *out++ = ',';
    out = putPadded(out, r.year, 4);
    *out++ = ',';
    out = putPadded(out, r.year, 4);
    *out++ = '/';
    out = putPadded(out, r.month, 2);
    *out++ = '/';
    out = putPadded(out, r.day, 2);
    out = put(out, QLatin1StringView(" - "));
    out = putPadded(out, r.hour, 2);
    *out++ = ':';
    return putPadded(out, r.minute, 2);
}

// Skips a field that is not read: the start of the next field, or null when
// the line has no further comma. Fields are short: a loop beats memchr here.
const char *skipField(const char *p, const char *end)
{
    for (; p < end; ++p) {
        if (*p == ',')
            return p + 1;
    }
    return nullptr;
}

// A field that is a whole number with an optional sign and fits an int, and
// is followed by a comma: the start of the next field, or null when it is not.
const char *intField(const char *p, const char *end, int *value)
{
    const bool negative = p < end && *p == '-';
    if (p < end && (*p == '-' || *p == '+'))
        ++p;
    const char *digits = p;
    // Nine digits cannot overflow; only longer numbers are checked against the limit.
    quint32 small = 0;
    for (; p < end && p - digits < 9 && quint32(*p - '0') < 10; ++p)
        small = small * 10 + quint32(*p - '0');
    qint64 magnitude = small;
    const qint64 limit = negative ? -qint64(std::numeric_limits<int>::min()) : qint64(std::numeric_limits<int>::max());
    for (; p < end && quint32(*p - '0') < 10; ++p) {
        magnitude = magnitude * 10 + (*p - '0');
        if (magnitude > limit)
            return nullptr;
    }
    if (p == digits || p == end || *p != ',')
        return nullptr;
    *value = int(negative ? -magnitude : magnitude);
    return p + 1;
}

// One data line into r, and its Event text into eventText; false when it is
// not ten fields with whole numbers in the columns that are read (Test_No,
// Glucose_mmol and Date & Time are not). Read in one pass, field by field,
// without splitting the line first.
bool parseLine(QByteArrayView line, Reading *r, QByteArrayView *eventText)
{
    const char *end = line.data() + line.size();
    const char *p = skipField(line.data(), end); // Test_No
    if (!p || !(p = intField(p, end, &r->glucose)) || !(p = intField(p, end, &r->month))
        || !(p = intField(p, end, &r->day)) || !(p = intField(p, end, &r->hour)) || !(p = intField(p, end, &r->minute)))
        return false;
    const char *event = p;
    if (!(p = skipField(p, end)))
        return false;
    *eventText = QByteArrayView(event, p - 1 - event);
    r->event = ReadingTexts::eventMark(*eventText);
    if (!(p = skipField(p, end)) || !(p = intField(p, end, &r->year))) // Glucose_mmol, Year
        return false;
    return !skipField(p, end); // Date & Time is the last field
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

QByteArray format(const ReadingTables &tables, QList<qsizetype> *lineStarts)
{
    const QList<Reading> &readings = tables.readings();
    QByteArray out;
    // A line with ordinary values is 55 bytes and its end, 58 from T10000 on.
    LargeBuffers::reserve(out, qsizetype(sizeof kHeader) + 2 + readings.size() * 60);
    out.append(kHeader).append(kLineEnd);
    if (lineStarts) {
        lineStarts->clear();
        LargeBuffers::reserve(*lineStarts, readings.size());
    }
    int row = 1;
    for (auto it = readings.crbegin(); it != readings.crend(); ++it, ++row) {
        char line[kLongestLine + 2];
        char *end = putLine(line, row, *it);
        *end++ = '\r';
        *end++ = '\n';
        if (lineStarts)
            lineStarts->append(out.size());
        out.append(line, end - line);
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
    LargeBuffers::reserve(readings, readingCount(bytes));
    LargeBuffers::reserve(result.lineStarts, readings.capacity());

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
        QByteArrayView event;
        if (line.size() <= kLongestLine && parseLine(line, &readings.emplace_back(), &event)) {
            result.lineStarts.append(line.data() - bytes.constData());
            // A mark the file cannot hold ("pc", "AC") is written C: what was typed is kept first.
            if (readings.last().event == EventMark::C && !ReadingTexts::isOrdinaryMark(event)
                && line != QByteArrayView(kTemplateRow) && result.unknownMarks++ == 0) {
                result.firstUnknownMarkLine = lineNumber;
                result.firstUnknownMark = event.toByteArray();
            }
            continue;
        }
        if (readings.size() > result.lineStarts.size())
            readings.removeLast();
        if (result.skippedLines++ == 0)
            result.firstSkippedLine = lineNumber;
    }

    std::reverse(readings.begin(), readings.end());
    result.tables.setKeepOriginalBeforeRewrite(result.skippedLines > 0 || result.unknownMarks > 0);
    result.ok = true;
    return result;
}

QString backupPath(const QString &path)
{
    return path + QStringLiteral(".bak");
}

bool CreateAfile(const QString &path, ReadingTables &tables, const QDateTime &now, QString *error, QByteArray *written,
                 QList<qsizetype> *lineStarts)
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
    QByteArray content = format(tables, lineStarts);
    if (!TextFiles::writeAtomically(path, content, error))
        return false;
    if (written)
        *written = std::move(content);
    return true;
}

QString loadWarning(const QString &path, const LoadResult &result)
{
    if (result.skippedLines == 0 && result.unknownMarks == 0)
        return {};
    QStringList said;
    if (result.skippedLines == 1) {
        said << QStringLiteral("Line %1 of %2 could not be read and was skipped.")
                    .arg(result.firstSkippedLine)
                    .arg(nativePath(path));
    } else if (result.skippedLines > 1) {
        said << QStringLiteral("%1 lines of %2 could not be read and were skipped; the first is line %3.")
                    .arg(result.skippedLines)
                    .arg(nativePath(path))
                    .arg(result.firstSkippedLine);
    }
    const QString mark = QString::fromLocal8Bit(result.firstUnknownMark);
    if (result.unknownMarks == 1) {
        said << QStringLiteral("Line %1 of %2 has the event mark \"%3\", which is saved as C.")
                    .arg(result.firstUnknownMarkLine)
                    .arg(nativePath(path), mark);
    } else if (result.unknownMarks > 1) {
        said << QStringLiteral("%1 lines of %2 have event marks other than C, PC and QC, which are saved as C; "
                               "the first is line %3 (\"%4\").")
                    .arg(result.unknownMarks)
                    .arg(nativePath(path))
                    .arg(result.firstUnknownMarkLine)
                    .arg(mark);
    }
    const QString backup = backupPath(path);
    said << (TextFiles::exists(backup)
                 ? QStringLiteral("The file will be kept unchanged beside %1, with the date and time in its name, "
                                  "before new readings are saved.")
                       .arg(nativePath(backup))
                 : QStringLiteral("The file will be kept unchanged as %1 before new readings are saved.")
                       .arg(nativePath(backup)));
    return said.join(u' ');
}

} // namespace ReadingFile
