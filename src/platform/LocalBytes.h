#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Text of the system's 8-bit encoding that keeps bytes which are not valid in
// it: a user list or a command line from a computer with another encoding
// ("caf\xe9" where this one expects UTF-8) must name its own user and its own
// files, not the user "café" whose bytes are valid. Such bytes (0x80 to 0xFF)
// are held as the characters U+DC80 to U+DCFF, which no valid text decodes to,
// and turn back into the same bytes when they name a file.
namespace LocalBytes {

// The text of valid bytes; otherwise every byte from 0x80 up held as above.
QString decode(QByteArrayView bytes);
// The bytes decode() was given: what names a file on the disk.
QByteArray encode(const QString &text);
// What a person reads: each held byte shown as its Latin-1 character ("café").
QString shown(const QString &text);

} // namespace LocalBytes
