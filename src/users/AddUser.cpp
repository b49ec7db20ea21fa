#include "users/AddUser.h"

#include "app/DataFolder.h"
#include "users/UserIdRules.h"
#include "users/UserRegistry.h"
#include "users/UserTexts.h"

namespace {

AddUserOutcome refused(const QString &message, bool clearPasswords = false)
{
    return AddUserOutcome{false, message, false, clearPasswords};
}

} // namespace

namespace AddUser {

AddUserOutcome add(const QString &dataDir, const QString &id, const QString &password,
                   const QString &checkPassword)
{
    if (id.isEmpty())
        return refused(UserTexts::kKeyInUserId);
    if (id == UserRegistry::kGuestId)
        return refused(UserTexts::kCannotUseUserId);
    if (const QString problem = UserIdRules::idProblem(id); !problem.isEmpty())
        return refused(UserTexts::unsafeUserId(id, problem));
    if (password.isEmpty())
        return refused(UserTexts::kKeyInPassword);
    if (checkPassword.isEmpty())
        return refused(UserTexts::kKeyInCheckingPassword);
    if (password != checkPassword)
        return refused(UserTexts::kPasswordsDiffer, true);
    if (const QString problem = UserIdRules::passwordProblem(password); !problem.isEmpty())
        return refused(UserTexts::unsafePassword(problem), true);

    QString error;
    if (!UserRegistry::append(DataFolder::registryPath(dataDir), id, password, &error))
        return AddUserOutcome{false, UserTexts::userNotAdded(id, error), true, false};
    return AddUserOutcome{true, UserTexts::userAdded(id), false, false};
}

} // namespace AddUser
