#pragma once

#include <QString>

// The files the program keeps in its data folder: the user list, the settings
// file, each registered user's reading file, kept copies, the download logs,
// the lock and its temporary files. A file the user asks for (an export, a
// printed PDF, a dump or a picture of the screen) must not be one of them,
// however it is spelt ("./", "..", a link to the folder, a second hard link):
// the file itself is compared, not its name.
namespace OwnFiles {

// Empty when a file asked for may be written at path; otherwise why not,
// naming the file: "Cannot write /d/DXRegister.txt: it is the user list
// /d/DXRegister.txt, one of the program's own files. Choose another file."
QString exportRefusal(const QString &dataDir, const QString &path);

// Removes what a rewrite killed midway left in the data folder: the temporary
// files of the user list, the settings file, registered users' reading files
// and their kept copies. A temporary-looking name of any other file stays.
void removeLeftovers(const QString &dataDir);

} // namespace OwnFiles
