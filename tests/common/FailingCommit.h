#pragma once

// Linked into a test in place of platform/FileCommit.cpp: the test's rewrites
// commit as the program's do, until it asks for a failure.
namespace FailingCommit {

// Makes the next rewrite fail just before it would replace its file, as a full
// disk or a pulled USB stick would.
void failNext();

} // namespace FailingCommit
