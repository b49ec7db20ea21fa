#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QTemporaryDir>

#ifdef Q_OS_UNIX
#include <csignal>

#include <sys/resource.h>
#endif

// A scratch data folder for one test, removed afterwards with everything in
// it, names of another encoding too.
class ScratchFolder
{
public:
    ScratchFolder();
    ~ScratchFolder();
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.filePath(name); }

    void write(const QString &name, const QByteArray &content) const;
    QByteArray read(const QString &name) const;
    bool exists(const QString &name) const;

private:
    QTemporaryDir m_dir;
};

// Every entry under dir with what it holds: a file its bytes, a link "-> target"
// (not followed), a folder "folder" (its entries follow as "folder/name"), and
// anything else (a FIFO) "?".
QMap<QString, QByteArray> folderContents(const QString &dir);

// The names of the files in dir, byte for byte as the system stores them
// (Windows: in its 8-bit encoding), sorted. Qt's own listing leaves out names
// not valid in the local encoding.
QByteArrayList fileNames(const QString &dir);

// A symbolic link at link to target (a file or a folder). False where the
// system cannot make one: Windows without the right to, or Wine, which says it
// made one and did not. A POSIX system that cannot ends the test.
bool makeSymbolicLink(const QString &target, const QString &link);
// Windows run by Wine, whose files are Linux files named in UTF-8 (a name of
// 255 bytes at most).
bool underWine();

// A second name, link, for the file target: true when made.
bool makeHardLink(const QString &target, const QString &link);
// A FIFO at path; false where file systems have none (Windows).
bool makeFifo(const QString &path);

// Joins lines with CR LF, each line ended, as the program writes its files.
QByteArray crlf(const QList<QByteArray> &lines);

#ifdef Q_OS_UNIX
// Runs f with every file it writes limited to bytes (a write past the limit
// fails, its signal ignored as the program does) and returns what f returns.
template<typename F>
auto underFileSizeLimit(qint64 bytes, F f)
{
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit lowered{rlim_t(bytes), limit.rlim_max};
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &lowered);
    auto result = f();
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, handler);
    return result;
}
#endif
