#pragma once

#include "platform/DeviceChoices.h"
#include "platform/UiLanguage.h"

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
    // --lang: wins over the user's choice for the whole run.
    std::optional<UiLanguage> commandLineLanguage;

    // The language the logged-in user sees: --lang, the user's choice, or the system's.
    UiLanguage userLanguage() const
    {
        QString ignored; // a damaged settings file is told at login
        return UiLanguages::chosen(commandLineLanguage, DeviceChoices::load(dataDir, &ignored).language(user.id),
                                   QLocale::system());
    }
};
