#pragma once

#include <QString>

// The files the program keeps in its data folder: the user list, each
// registered user's reading file, kept copies, the download logs, the lock and
// its temporary files. A file the user names for an export must not be one of
// them, however it is spelt ("./", "..", a link to the folder, a second hard
// link): the file itself is compared, not its name.
namespace OwnFiles {

// Empty when an export may write path; otherwise why not, naming the file:
// "Cannot write /d/DXRegister.txt: it is the user list /d/DXRegister.txt, one
// of the program's own files. Choose another file."
QString exportRefusal(const QString &dataDir, const QString &path);

} // namespace OwnFiles
