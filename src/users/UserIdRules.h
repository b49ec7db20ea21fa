#pragma once

#include <QString>

// A user ID names a record of the registry file and the user's reading file in
// the data folder; a password is stored in the registry file. These checks keep
// both files sound: each returns an empty string when the text is fine, otherwise
// the reason in plain English (to follow "cannot be used: ").
namespace UserIdRules {

// The empty ID is not judged here: the windows have their own message for it.
// What a new ID must pass.
QString idProblem(const QString &id);
// The part of idProblem() that keeps the reading file in the data folder: what
// a login checks, so that IDs older lists hold ("Jr.", " ann") still log in.
QString fileNameProblem(const QString &id);
QString passwordProblem(const QString &password);

} // namespace UserIdRules
