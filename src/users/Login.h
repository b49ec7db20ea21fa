#pragma once

#include "users/UserSettings.h"
#include "users/UserTable.h"

#include <QString>
#include <QStringList>

class ReadingStore;

// What the Login button led to, for the window (or a command-line run) to show.
struct LoginOutcome
{
    bool ok = false;
    QString message; // empty when there is nothing to say
    QString title;   // empty: the application title
    bool critical = false;
    bool clearPassword = false;
    QStringList warnings; // shown after a successful login
    UserTable users;      // the list as just read, whatever the outcome
    UserSettings user;    // the user's settings, after a success
};

namespace Login {

// Re-reads the user list of the data folder, checks the ID and password, makes
// sure the user has a reading file (a new one every time for guest) and loads
// it into the store. The store changes only with a successful login.
LoginOutcome logIn(const QString &dataDir, const QString &id, const QString &password, ReadingStore &store);

} // namespace Login
