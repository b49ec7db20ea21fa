#pragma once

#include <QtGlobal>

// Buffers of megabytes: a user's reading file, its reading table and the
// bytes of its rewrite. Touched page by page, their first writes cost a page
// fault every 4 KiB, and on a virtual machine a fault costs several
// microseconds: 100 000 readings took more time in faults than in work.
// Where the system offers them on request (Linux), such buffers ask for huge
// pages, one fault every 2 MiB; elsewhere nothing changes. It is a hint:
// contents and sizes stay as they are.
namespace LargeBuffers {

// Asks for huge pages under the whole 2 MiB pages of [data, data + bytes),
// before they are first written.
void preferHugePages(const void *data, qsizetype bytes);

// Reserves room for n elements in a QByteArray or QList, with huge pages.
template<typename Buffer>
void reserve(Buffer &buffer, qsizetype n)
{
    buffer.reserve(n);
    preferHugePages(buffer.constData(), buffer.capacity() * qsizetype(sizeof(typename Buffer::value_type)));
}

} // namespace LargeBuffers
