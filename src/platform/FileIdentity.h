#pragma once

#include <QString>

// What makes two paths the same file, whatever their spelling: the device and
// inode on POSIX, the volume's serial number and the file's index on Windows.
// A link is followed (a link to a file is that file); empty when nothing is there.
namespace FileIdentity {

QString of(const QString &path);

} // namespace FileIdentity
