#pragma once

#include <QString>

// Every text the login and new-user windows show, each in one place.
namespace UserTexts {

// Window captions, labels and buttons.
inline const QString kLoginCaption = QStringLiteral("User Login");
inline const QString kAddNewUser = QStringLiteral("Add New User"); // caption and button
inline const QString kUserIdLabel = QStringLiteral("User ID :");
inline const QString kPasswordLabel = QStringLiteral("Password :");
inline const QString kCheckingPasswordLabel = QStringLiteral("Checking Password :");
inline const QString kLoginButton = QStringLiteral("Login");
inline const QString kOkButton = QStringLiteral("OK");
inline const QString kCancelButton = QStringLiteral("Cancel");

// Login.
inline const QString kErrorTitle = QStringLiteral("Error");
inline const QString kChoseIdAndPassword = QStringLiteral("Please Chose your User ID And key in your password !!");
inline QString wrongPassword(const QString &id)
{
    return QStringLiteral("User ID [") + id + QStringLiteral("] ! Your Password have some error ! Please try again !");
}
inline const QString kNoUserChosen = QStringLiteral(
    "No User ID is chosen. The user list is empty: please add a new user first.");
inline QString unknownUser(const QString &id)
{
    return QStringLiteral("User ID [%1] is not in the user list any more. Please choose your User ID again.").arg(id);
}
inline QString cannotReadUserList(const QString &reason)
{
    return QStringLiteral("The user list cannot be read. %1").arg(reason);
}
inline QString skippedUserListLines(const QString &file, int count, int firstLine)
{
    return count == 1 ? QStringLiteral("Line %1 of the user list %2 could not be read and was skipped.")
                            .arg(firstLine)
                            .arg(file)
                      : QStringLiteral(
                            "%1 lines of the user list %2 could not be read and were skipped; the first is line %3.")
                            .arg(count)
                            .arg(file)
                            .arg(firstLine);
}
inline QString cannotCreateReadingFile(const QString &id, const QString &reason)
{
    return QStringLiteral("The reading file of User ID [%1] cannot be created. %2").arg(id, reason);
}
inline QString cannotLoadReadings(const QString &id, const QString &reason)
{
    return QStringLiteral("The readings of User ID [%1] cannot be loaded, so the login is refused. %2").arg(id, reason);
}
inline QString cannotCreateUserList(const QString &reason)
{
    return QStringLiteral("The user list file cannot be created. %1").arg(reason);
}

// New user. The first three end in a full-width exclamation mark.
inline const QString kKeyInUserId = QStringLiteral("Please key in the User ID\uFF01");
inline const QString kCannotUseUserId = QStringLiteral("You can't use this User ID\uFF01");
inline const QString kKeyInPassword = QStringLiteral("Please key in the Password\uFF01");
inline const QString kKeyInCheckingPassword = QStringLiteral("Please key in the Checking Password !");
inline const QString kPasswordsDiffer = QStringLiteral(
    "The password and checking password is not the same , Please try again !");
inline QString userAdded(const QString &id)
{
    return QStringLiteral("Add New User [") + id + QStringLiteral("] Successfully !!");
}
inline QString userNotAdded(const QString &id, const QString &reason)
{
    return QStringLiteral("User ID [%1] was NOT added. %2").arg(id, reason);
}

// Refusals of IDs and passwords the files cannot hold safely.
inline QString unsafeUserId(const QString &id, const QString &reason)
{
    return QStringLiteral("User ID [%1] cannot be used: %2.").arg(id, reason);
}
inline QString unsafePassword(const QString &reason)
{
    return QStringLiteral("This password cannot be used: %1.").arg(reason);
}

} // namespace UserTexts
