#pragma once

#include "store/ReadingTables.h"
#include "users/UserSettings.h"
#include "users/UserTable.h"

#include <QString>

// Everything the program holds in memory for the whole run: where its files
// live, the user table, the logged-in user's settings and readings. One instance
// is made at start-up and handed to every window; tests make their own.
struct AppState
{
    QString dataDir;
    UserTable users;
    UserSettings user;
    ReadingTables tables;
};
