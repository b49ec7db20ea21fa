#pragma once

#include "users/Session.h"
#include "users/UserTable.h"

#include <QString>

// Everything the program holds in memory for the whole run: where its files
// live, the user table, and the session of the logged-in user. One instance is
// made at start-up; windows get only the part they need. Tests make their own.
struct AppState : Session
{
    QString dataDir;
    UserTable users;
};
