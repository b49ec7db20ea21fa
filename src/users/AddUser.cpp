#include "users/AddUser.h"

#include "platform/DataFolder.h"
#include "users/UserIdRules.h"
#include "users/UserRegistry.h"
#include "users/UserTexts.h"

#include <algorithm>

namespace {

using Box = AddUserOutcome::Box;

AddUserOutcome refused(const QString &message, Box box, bool clearPasswords = false)
{
    return AddUserOutcome{false, message, false, clearPasswords, box};
}

// A second record of a registered ID would lock its user out: Login refuses
// them when the two passwords disagree. Where the folder ignores case, "Bob"
// beside "bob" would share bob's reading file.
bool isRegistered(const UserTable &users, const QString &id, Qt::CaseSensitivity cs)
{
    const QList<UserRecord> &records = users.records();
    return std::any_of(records.cbegin(), records.cend(),
                       [&](const UserRecord &r) { return r.id.compare(id, cs) == 0; });
}

} // namespace

namespace AddUser {

AddUserOutcome add(const QString &dataDir, const QString &id, const QString &password, const QString &checkPassword,
                   CaseProbe ignoresCase)
{
    if (id.isEmpty())
        return refused(UserTexts::kKeyInUserId, Box::Id);
    if (id == UserRegistry::kGuestId)
        return refused(UserTexts::kCannotUseUserId, Box::Id);
    if (const QString problem = UserIdRules::idProblem(id); !problem.isEmpty())
        return refused(UserTexts::unsafeUserId(id, problem), Box::Id);
    if (password.isEmpty())
        return refused(UserTexts::kKeyInPassword, Box::Password);
    if (checkPassword.isEmpty())
        return refused(UserTexts::kKeyInCheckingPassword, Box::Check);
    if (password != checkPassword)
        return refused(UserTexts::kPasswordsDiffer, Box::Password, true);
    if (const QString problem = UserIdRules::passwordProblem(password); !problem.isEmpty())
        return refused(UserTexts::unsafePassword(problem), Box::Password, true);

    const QString registry = DataFolder::registryPath(dataDir);
    QString error;
    UserTable users;
    if (!UserRegistry::read(registry, &users, &error))
        return AddUserOutcome{false, UserTexts::userNotAdded(id, error), true, false};
    if (isRegistered(users, id, Qt::CaseSensitive)
        || (isRegistered(users, id, Qt::CaseInsensitive) && ignoresCase(dataDir)))
        return refused(UserTexts::kCannotUseUserId, Box::Id);
    if (!UserRegistry::append(registry, id, password, &error))
        return AddUserOutcome{false, UserTexts::userNotAdded(id, error), true, false};
    return AddUserOutcome{true, UserTexts::userAdded(id), false, false};
}

} // namespace AddUser
