#pragma once

#include "store/ReadingTables.h"
#include "users/UserSettings.h"

// The logged-in user: their settings and readings, from a login until the next.
// A login makes one; a meter download changes its readings; every report reads it.
struct Session
{
    UserSettings user;
    ReadingTables tables;
};
