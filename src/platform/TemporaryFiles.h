#pragma once

#include <QString>

#include <functional>

// The temporary files the program writes in a folder before they replace a
// file: the file's name, a dot, six letters or digits and the program's own
// ending ("anna.txt.Xy12ab.dextrel-tmp"). A program killed at the last moment
// leaves one behind; the next start clears those of the program's own files.
// Anyone can give a file such a name, so a clean-up looks at whose it is.
namespace TemporaryFiles {

inline constexpr char kEnding[] = ".dextrel-tmp";
// The most bytes a temporary file's name has beyond the name of its file.
inline constexpr int kLongestSuffix = int(sizeof ".Xy12ab") - 1 + int(sizeof kEnding) - 1;

// The template a rewrite of path creates its temporary file from.
QString templateFor(const QString &path);
// Whether a file name has the form of the program's temporary files.
bool isTemporary(const QString &fileName);
// The name of the file a temporary file was written for ("anna.txt"); empty
// for a name of another form.
QString fileOf(const QString &temporaryName);
// Removes the leftover temporaries in dir of the files isOwn says the program
// writes there, and nothing else: not a link, not a folder, not a name of
// another form. Run only while holding the data folder's lock, so no other
// copy is writing.
void removeLeftovers(const QString &dir, const std::function<bool(const QString &fileName)> &isOwn);

} // namespace TemporaryFiles
