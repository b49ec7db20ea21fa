#pragma once

#include <QString>

class ReadingStore;
struct UserSettings;

// What the page table hands each page: what it may read of the logged-in
// user: the settings and the readings, whose changed() a page that stays open
// follows. The data folder is where the user's files live.
struct PageContext
{
    const UserSettings &user;
    const ReadingStore &store;
    QString dataDir;
};
