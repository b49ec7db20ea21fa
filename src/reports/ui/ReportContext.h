#pragma once

#include <QString>

class ReadingTables;
struct UserSettings;

// What a report window may read: the logged-in user's settings and readings,
// and the data folder (the data list reads the user's reading file anew each
// time it opens). Reports never write.
struct ReportContext
{
    const UserSettings &user;
    const ReadingTables &tables;
    QString dataDir;
};
