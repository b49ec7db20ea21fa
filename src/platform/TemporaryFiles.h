#pragma once

#include <QString>

// The temporary files the program writes in a folder before they replace a
// file: the file's name, a dot, six letters or digits and the program's own
// ending ("anna.txt.Xy12ab.dextrel-tmp"). No other program makes such a name,
// so a clean-up that removes them removes nothing of the user's. A program
// killed at the last moment leaves one behind; the next start clears them.
namespace TemporaryFiles {

inline constexpr char kEnding[] = ".dextrel-tmp";
// The most bytes a temporary file's name has beyond the name of its file.
inline constexpr int kLongestSuffix = int(sizeof ".Xy12ab") - 1 + int(sizeof kEnding) - 1;

// The template a rewrite of path creates its temporary file from.
QString templateFor(const QString &path);
// Whether a file name is one of the program's temporary files.
bool isTemporary(const QString &fileName);
// Removes the leftover temporaries in dir, and nothing else: not a link, not a
// folder, not a name the program does not make. Run only while holding the
// data folder's lock, so no other copy is writing.
void removeLeftovers(const QString &dir);

} // namespace TemporaryFiles
