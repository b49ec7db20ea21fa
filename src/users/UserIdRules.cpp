#include "users/UserIdRules.h"

#include "platform/BackupNames.h"
#include "platform/DataFolder.h"
#include "platform/DownloadLogFile.h"
#include "platform/LocalBytes.h"
#include "platform/TemporaryFiles.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace {

// Longest file name most file systems accept, in bytes. Every name made from an
// ID must fit: its reading file "<ID>.txt", the temporary file of a rewrite
// ("<ID>.txt.Xy12ab.dextrel-tmp"), a dated kept copy of a damaged file
// ("<ID>.txt.20050314-083000-9.bak", the longest) and its download logs
// ("<ID>-20261206-184501-99.log"). This allows IDs of up to 229 bytes.
constexpr qsizetype kMaxFileNameBytes = 255;
constexpr qsizetype kReadingFileEnding = 4; // ".txt"
constexpr qsizetype kMaxDerivedBytes = std::max({kReadingFileEnding + BackupNames::kLongestSuffix,
                                                 kReadingFileEnding + TemporaryFiles::kLongestSuffix,
                                                 qsizetype(DownloadLogFile::kLongestSuffix)});

const QString kCommaReason = QStringLiteral("it contains a comma, which the user list file cannot hold");
const QString kEncodingReason = QStringLiteral(
    "it contains characters that this computer's text encoding cannot store");

bool storableInLocalEncoding(const QString &text)
{
    return QString::fromLocal8Bit(text.toLocal8Bit()) == text;
}

bool hasControlCharacter(const QString &text)
{
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() < 0x20 || c.category() == QChar::Other_Control; });
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
    static const QRegularExpression reserved(QStringLiteral("^(CON|PRN|AUX|NUL|COM[1-9]|LPT[1-9]) *(\\..*)?$"),
                                             QRegularExpression::CaseInsensitiveOption);
    return reserved.match(id).hasMatch();
}

// Compared without case: Windows file names ignore it.
bool namesRegistryFile(const QString &id)
{
    const QString here = QStringLiteral(".");
    return QFileInfo(DataFolder::readingFilePath(here, id))
               .fileName()
               .compare(QFileInfo(DataFolder::registryPath(here)).fileName(), Qt::CaseInsensitive)
           == 0;
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
    if (LocalBytes::encode(id).size() + kMaxDerivedBytes > kMaxFileNameBytes)
        return QStringLiteral("it is longer than %1 bytes, too long to name its files")
            .arg(kMaxFileNameBytes - kMaxDerivedBytes);
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
