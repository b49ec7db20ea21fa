#pragma once

#include <QString>

// The temporary files a rewrite writes before it replaces a file: the file's
// name followed by a dot and six letters or digits ("anna.txt.Xy12ab"). A program
// killed at the last moment leaves one behind; the next start clears them.
namespace TemporaryFiles {

// The template a rewrite of path creates its temporary file from.
QString templateFor(const QString &path);
// Removes the leftover temporaries of the registry and reading files in dir.
// Run only while holding the data folder's lock, so no other copy is writing.
void removeLeftovers(const QString &dir);

} // namespace TemporaryFiles
