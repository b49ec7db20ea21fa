#include "platform/DownloadLogFile.h"

#include "platform/DataFolder.h"
#include "platform/RegularFile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

QString DownloadLogFile::folder(const QString &dataDir)
{
    return QDir(dataDir).filePath(QStringLiteral("logs"));
}

QStringList DownloadLogFile::logsOf(const QString &dataDir, const QString &userId)
{
    // Only the user's own names: "bob" must not take "bob-x-20261206-101010.log".
    const QRegularExpression own(
        QStringLiteral("^%1-\\d{8}-\\d{6}(-\\d+)?\\.log$").arg(QRegularExpression::escape(userId)));
    QStringList names;
    if (!folderProblem(dataDir).isEmpty())
        return names;
    const auto files = QDir::Files | QDir::System | QDir::Hidden | QDir::NoSymLinks;
    for (const QString &name : QDir(folder(dataDir)).entryList(files)) {
        if (own.match(name).hasMatch())
            names << name;
    }
    // The time in the name orders them; a second log of the same second carries "-2".
    std::sort(names.begin(), names.end(),
              [](const QString &a, const QString &b) { return a.chopped(4) < b.chopped(4); });
    for (QString &name : names)
        name = QDir(folder(dataDir)).filePath(name);
    return names;
}

QString DownloadLogFile::folderProblem(const QString &dataDir)
{
    const QFileInfo info(folder(dataDir));
    if (info.isSymLink() || info.isJunction())
        return QStringLiteral("it is a symbolic link, which the program does not follow");
    if (info.exists() && !info.isDir())
        return QStringLiteral("it is not a folder");
    return {};
}

bool DownloadLogFile::create(const QString &dataDir, const QString &userId, const QDateTime &started, QString *error)
{
    close();
    m_path.clear();
    const QString dir = folder(dataDir);
    const auto cannot = [&](const QString &reason) {
        if (error)
            *error = QStringLiteral("No download log is kept: %1 cannot hold it: %2.")
                         .arg(QDir::toNativeSeparators(dir), reason);
        return false;
    };
    if (const QString problem = folderProblem(dataDir); !problem.isEmpty())
        return cannot(problem);
    if (!DataFolder::ensureExists(dir, nullptr))
        return cannot(QStringLiteral("it cannot be created"));
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    const QString base = QDir(dir).filePath(userId + started.toString(QStringLiteral("-yyyyMMdd-HHmmss")));
    QString reason;
    bool taken = true;
    for (int n = 1; m_path.isEmpty() && taken && n < 100; ++n) { // n < 100: see kLongestSuffix
        const QString path = n == 1 ? base + QStringLiteral(".log") : QStringLiteral("%1-%2.log").arg(base).arg(n);
        if (RegularFile::createNew(m_file, path, &reason, &taken))
            m_path = path;
    }
    if (m_path.isEmpty())
        return cannot(reason);

    const QStringList logs = logsOf(dataDir, userId);
    for (qsizetype i = 0; i + kKeptPerUser < logs.size(); ++i)
        QFile::remove(logs.at(i));
    return true;
}

bool DownloadLogFile::flush()
{
    if (!m_file.isOpen() || m_pending.isEmpty())
        return m_file.isOpen();
    const bool written = m_file.write(m_pending) == m_pending.size() && m_file.flush();
    m_pending.clear();
    return written;
}

void DownloadLogFile::close()
{
    flush();
    m_file.close();
}
