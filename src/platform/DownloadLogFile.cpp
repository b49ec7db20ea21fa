#include "platform/DownloadLogFile.h"

#include "platform/DataFolder.h"
#include "platform/RegularFile.h"

#include <QCoreApplication>
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
    static const QRegularExpression stamp(QStringLiteral("^\\d{8}-\\d{6}(-\\d+)?\\.log$"));
    const QString prefix = userId + QLatin1Char('-');
    QStringList names;
    if (!folderProblem(dataDir).isEmpty())
        return names;
    for (const QString &name : RegularFile::namesIn(folder(dataDir))) {
        if (name.startsWith(prefix) && stamp.match(QStringView(name).sliced(prefix.size())).hasMatch())
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
        return QCoreApplication::translate("DownloadLogFile",
                                           "it is a symbolic link, which the program does not follow");
    if (info.exists() && !info.isDir())
        return QCoreApplication::translate("DownloadLogFile", "it is not a folder");
    return {};
}

bool DownloadLogFile::create(const QString &dataDir, const QString &userId, const QDateTime &started, QString *error)
{
    close();
    m_path.clear();
    m_problem.clear();
    m_written = false;
    const QString dir = folder(dataDir);
    const auto cannot = [&](const QString &reason) {
        if (error)
            *error = QCoreApplication::translate("DownloadLogFile", "No download log is kept: %1 cannot hold it: %2.")
                         .arg(QDir::toNativeSeparators(dir), reason);
        return false;
    };
    if (const QString problem = folderProblem(dataDir); !problem.isEmpty())
        return cannot(problem);
    if (!DataFolder::ensureExists(dir, nullptr))
        return cannot(QCoreApplication::translate("DownloadLogFile", "it cannot be created"));
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
        RegularFile::remove(logs.at(i));
    return true;
}

bool DownloadLogFile::flush()
{
    if (!m_file.isOpen() || m_pending.isEmpty())
        return m_file.isOpen();
    const bool written = m_file.write(m_pending) == m_pending.size() && m_file.flush();
    m_pending.clear();
    if (written) {
        m_written = true;
        return true;
    }
    // A log with a gap would mislead: nothing more is written to it, and one
    // that holds nothing whole is not kept at all.
    const QString reason = m_file.errorString();
    m_file.close();
    if (m_written) {
        m_problem = QCoreApplication::translate("DownloadLogFile", "The download log %1 is incomplete: %2.")
                        .arg(QDir::toNativeSeparators(m_path), reason);
    } else {
        RegularFile::remove(m_path);
        m_problem = QCoreApplication::translate("DownloadLogFile", "No download log is kept: %1 cannot hold it: %2.")
                        .arg(QDir::toNativeSeparators(QFileInfo(m_path).path()), reason);
        m_path.clear();
    }
    return false;
}

void DownloadLogFile::close()
{
    flush();
    m_file.close();
}
