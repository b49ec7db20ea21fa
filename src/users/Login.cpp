#include "users/Login.h"

#include "platform/DataFolder.h"
#include "platform/DeviceChoices.h"
#include "platform/TextFiles.h"
#include "store/ReadingStore.h"
#include "users/UserIdRules.h"
#include "users/UserRegistry.h"
#include "users/UserTexts.h"

namespace {

LoginOutcome refused(const QString &message)
{
    LoginOutcome outcome;
    outcome.message = message;
    outcome.critical = true;
    return outcome;
}

LoginOutcome checkedLogIn(const QString &dataDir, const UserTable &users, const QString &id, const QString &password,
                          ReadingStore &store)
{
    if (id.isEmpty())
        return refused(UserTexts::kNoUserChosen);
    // The list can be edited by hand and the ID is about to name a file; only
    // what would lead outside the data folder is refused, as older lists hold
    // IDs that a new user may no longer take.
    if (const QString problem = UserIdRules::fileNameProblem(id); !problem.isEmpty())
        return refused(UserTexts::unsafeUserId(id, problem));

    const bool guest = id == UserRegistry::kGuestId;
    if (!guest && password.isEmpty()) {
        LoginOutcome outcome = refused(UserTexts::kChoseIdAndPassword);
        outcome.title = UserTexts::kErrorTitle;
        return outcome;
    }

    int lastRecord = 0;
    for (int k = 1; k <= users.userCount(); ++k) {
        const UserRecord &record = users.record(k);
        if (record.id != id)
            continue;
        if (!guest && record.passwd != password) {
            LoginOutcome outcome;
            outcome.message = UserTexts::wrongPassword(id);
            outcome.clearPassword = true;
            return outcome;
        }
        lastRecord = k;
    }
    if (lastRecord == 0)
        return refused(UserTexts::unknownUser(id));

    QString error;
    const QString readingPath = DataFolder::readingFilePath(dataDir, id);
    if (guest || !TextFiles::exists(readingPath)) {
        if (!ReadingFile::create(readingPath, &error))
            return refused(UserTexts::cannotCreateReadingFile(id, error));
    }
    QString warning;
    if (!store.load(readingPath, &error, &warning))
        return refused(UserTexts::cannotLoadReadings(id, error));

    LoginOutcome outcome;
    outcome.ok = true;
    outcome.clearPassword = guest;
    if (!warning.isEmpty())
        outcome.warnings << warning;
    // Said once here; every download then opens the default devices.
    QString devicesWarning;
    DeviceChoices::load(dataDir, &devicesWarning);
    if (!devicesWarning.isEmpty())
        outcome.warnings << devicesWarning;
    outcome.user = UserRegistry::settingsOf(users.record(lastRecord));
    return outcome;
}

} // namespace

namespace Login {

LoginOutcome logIn(const QString &dataDir, const QString &id, const QString &password, ReadingStore &store)
{
    UserTable users;
    QString error;
    LoginOutcome outcome = UserRegistry::read(DataFolder::registryPath(dataDir), &users, &error)
                               ? checkedLogIn(dataDir, users, id, password, store)
                               : refused(UserTexts::cannotReadUserList(error));
    outcome.users = std::move(users);
    return outcome;
}

} // namespace Login
