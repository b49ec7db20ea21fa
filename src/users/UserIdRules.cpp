#include "users/UserIdRules.h"

#include "platform/BackupNames.h"
#include "platform/DataFolder.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace {

// Longest file name most file systems accept, in bytes. Every name derived from
// an ID must fit: its reading file, the temporary file of a rewrite (7 bytes
// more) and the dated copy kept of a damaged file (the most).
constexpr qsizetype kMaxFileNameBytes = 255;
constexpr qsizetype kMaxDerivedSuffixBytes = BackupNames::kLongestSuffix;

const QString kCommaReason = QStringLiteral("it contains a comma, which the user list file cannot hold");
const QString kEncodingReason =
    QStringLiteral("it contains characters that this computer's text encoding cannot store");

bool storableInLocalEncoding(const QString &text)
{
    return QString::fromLocal8Bit(text.toLocal8Bit()) == text;
}

bool hasControlCharacter(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        return c.unicode() < 0x20 || c.category() == QChar::Other_Control;
    });
}

QChar forbiddenFileNameCharacter(const QString &id)
{
    static const QString forbidden = QStringLiteral(":*?\"<>|");
    for (QChar c : id) {
        if (forbidden.contains(c))
            return c;
    }
    return {};
}

// Windows refuses these as file names, also with any extension ("con.txt").
bool isReservedDeviceName(const QString &id)
{
    static const QRegularExpression reserved(
        QStringLiteral("^(CON|PRN|AUX|NUL|COM[1-9]|LPT[1-9]) *(\\..*)?$"),
        QRegularExpression::CaseInsensitiveOption);
    return reserved.match(id).hasMatch();
}

// Compared without case: Windows file names ignore it.
bool namesRegistryFile(const QString &id)
{
    const QString here = QStringLiteral(".");
    return QFileInfo(DataFolder::readingFilePath(here, id)).fileName()
               .compare(QFileInfo(DataFolder::registryPath(here)).fileName(), Qt::CaseInsensitive) == 0;
}

} // namespace

namespace UserIdRules {

QString fileNameProblem(const QString &id)
{
    if (id.contains(QLatin1Char('/')) || id.contains(QLatin1Char('\\')))
        return QStringLiteral("it contains a path separator (/ or \\)");
    if (id.contains(QStringLiteral("..")))
        return QStringLiteral("it contains \"..\"");
    if (const QChar c = forbiddenFileNameCharacter(id); !c.isNull())
        return QStringLiteral("it contains the character %1, which a file name cannot hold").arg(c);
    if (hasControlCharacter(id))
        return QStringLiteral("it contains a control character");
    if (isReservedDeviceName(id))
        return QStringLiteral("the system reserves this name for a device");
    if (namesRegistryFile(id))
        return QStringLiteral("its reading file would be the user list file");
    return {};
}

QString idProblem(const QString &id)
{
    if (const QString problem = fileNameProblem(id); !problem.isEmpty())
        return problem;
    if (id.contains(QLatin1Char(',')))
        return kCommaReason;
    if (id.startsWith(QLatin1Char(' ')) || id.endsWith(QLatin1Char(' ')))
        return QStringLiteral("it begins or ends with a space");
    if (id.startsWith(QLatin1Char('.')) || id.endsWith(QLatin1Char('.')))
        return QStringLiteral("it begins or ends with a dot");
    if (!storableInLocalEncoding(id))
        return kEncodingReason;
    const QString fileName = QFileInfo(DataFolder::readingFilePath(QStringLiteral("."), id)).fileName();
    if (QFile::encodeName(fileName).size() + kMaxDerivedSuffixBytes > kMaxFileNameBytes)
        return QStringLiteral("it is too long to name a file");
    return {};
}

QString passwordProblem(const QString &password)
{
    if (password.contains(QLatin1Char('\r')) || password.contains(QLatin1Char('\n')))
        return QStringLiteral("it contains a line break");
    if (password.contains(QLatin1Char(',')))
        return kCommaReason;
    if (!storableInLocalEncoding(password))
        return kEncodingReason;
    return {};
}

} // namespace UserIdRules
