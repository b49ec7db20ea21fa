#pragma once

// Linked into a test in place of platform/FileCommit.cpp: the test's rewrites
// commit as the program's do, until it asks for a failure.
namespace FailingCommit {

// Makes the next rewrite or kept copy fail just before it would take its
// file's name, as a full disk or a pulled USB stick would, with the system's
// error number (where there are such); commits to let through go first.
void failNext(int error = 5 /* EIO */, int commitsBefore = 0);

} // namespace FailingCommit
