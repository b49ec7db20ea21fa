#pragma once

#include "platform/FolderCase.h"

#include <QString>

// What the OK button of the new-user window led to.
struct AddUserOutcome
{
    // The entries a refusal is about.
    enum class Box { Id, Password, Check };

    bool ok = false;
    QString message;
    bool critical = false;
    bool clearPasswords = false; // empty the password and checking password boxes
    Box box = Box::Id;           // where the user types again after a refusal
};

namespace AddUser {

// Whether the file system of a folder ignores case: FolderCase's probe, or a
// test's stand-in for a file system that does.
using CaseProbe = bool (*)(const QString &dir);

// Checks the typed ID and passwords in the order the window has always used and
// appends the new user's record to the user list in dataDir. A refused user
// changes no file.
AddUserOutcome add(const QString &dataDir, const QString &id, const QString &password, const QString &checkPassword,
                   CaseProbe ignoresCase = FolderCase::ignoresCase);

} // namespace AddUser
