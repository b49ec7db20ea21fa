#pragma once

#include "store/ReadingStore.h"
#include "users/UserSettings.h"
#include "users/UserTable.h"

#include <QString>

// Everything the program holds in memory for the whole run: where its files
// live, the user table, the logged-in user's settings and the store of their
// readings. One instance is made at start-up; windows get only the part they
// need. Tests make their own.
struct AppState
{
    QString dataDir;
    UserTable users;
    UserSettings user;
    ReadingStore store;
};
