#include "common/TestData.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <algorithm>
#include <filesystem>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

ScratchFolder::ScratchFolder()
{
    QVERIFY2(m_dir.isValid(), "cannot make a scratch folder");
}

ScratchFolder::~ScratchFolder()
{
    // By the names' bytes, which Qt's own removal would take for others.
    std::error_code ignored;
#ifdef Q_OS_WIN
    std::filesystem::remove_all(path().toStdWString(), ignored);
#else
    std::filesystem::remove_all(QFile::encodeName(path()).toStdString(), ignored);
#endif
}

void ScratchFolder::write(const QString &name, const QByteArray &content) const
{
    QFile f(file(name));
    if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(file(name)));
}

QByteArray ScratchFolder::read(const QString &name) const
{
    QFile f(file(name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

bool ScratchFolder::exists(const QString &name) const
{
    return QFile::exists(file(name));
}

QMap<QString, QByteArray> folderContents(const QString &dir)
{
    QMap<QString, QByteArray> out;
    const auto entries = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System;
    for (const QFileInfo &f : QDir(dir).entryInfoList(entries)) {
        QFile file(f.filePath());
        if (f.isSymLink()) {
            out[f.fileName()] = "-> " + f.symLinkTarget().toLocal8Bit();
        } else if (f.isDir()) {
            out[f.fileName()] = "folder";
            const QMap<QString, QByteArray> inside = folderContents(f.filePath());
            for (auto it = inside.cbegin(); it != inside.cend(); ++it)
                out[f.fileName() + '/' + it.key()] = it.value();
        } else {
            out[f.fileName()] = f.isFile() && file.open(QIODevice::ReadOnly) ? file.readAll() : "?";
        }
    }
    return out;
}

QByteArrayList fileNames(const QString &dir)
{
    QByteArrayList names;
#ifdef Q_OS_WIN
    for (const QString &name : QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::System))
        names << name.toLocal8Bit();
#else
    DIR *d = ::opendir(QFile::encodeName(dir).constData());
    while (const dirent *entry = d ? ::readdir(d) : nullptr) {
        if (qstrcmp(entry->d_name, ".") != 0 && qstrcmp(entry->d_name, "..") != 0)
            names << entry->d_name;
    }
    if (d)
        ::closedir(d);
#endif
    std::sort(names.begin(), names.end());
    return names;
}

bool makeSymbolicLink(const QString &target, const QString &link)
{
#ifdef Q_OS_WIN
    const DWORD flags = (QFileInfo(target).isDir() ? SYMBOLIC_LINK_FLAG_DIRECTORY : 0)
                        | SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE;
    return CreateSymbolicLinkW(QDir::toNativeSeparators(link).toStdWString().c_str(),
                               QDir::toNativeSeparators(target).toStdWString().c_str(), flags)
           && QFileInfo(link).isSymbolicLink();
#else
    if (!QFile::link(target, link))
        qFatal("cannot link %s to %s", qPrintable(link), qPrintable(target));
    return true;
#endif
}

bool underWine()
{
#ifdef Q_OS_WIN
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
#else
    return false;
#endif
}

bool makeHardLink(const QString &target, const QString &link)
{
#ifdef Q_OS_WIN
    return CreateHardLinkW(QDir::toNativeSeparators(link).toStdWString().c_str(),
                           QDir::toNativeSeparators(target).toStdWString().c_str(), nullptr);
#else
    return ::link(QFile::encodeName(target).constData(), QFile::encodeName(link).constData()) == 0;
#endif
}

bool makeFifo(const QString &path)
{
#ifdef Q_OS_WIN
    Q_UNUSED(path);
    return false;
#else
    if (::mkfifo(QFile::encodeName(path).constData(), 0600) != 0)
        qFatal("cannot make the FIFO %s", qPrintable(path));
    return true;
#endif
}

QByteArray crlf(const QList<QByteArray> &lines)
{
    QByteArray out;
    for (const QByteArray &l : lines)
        out += l + "\r\n";
    return out;
}
