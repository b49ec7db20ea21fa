#pragma once

#include <QString>

// A user ID names a record of the registry file and the user's reading file in
// the data folder; a password is stored in the registry file. These checks keep
// both files sound: each returns an empty string when the text is fine, otherwise
// the reason in plain English (to follow "cannot be used: ").
namespace UserIdRules {

// The empty ID is not judged here: the windows have their own message for it.
QString idProblem(const QString &id);
QString passwordProblem(const QString &password);

} // namespace UserIdRules
