#pragma once

#include "platform/UiText.h"

#include <QString>

// Every text the login and new-user windows show, each in one place.
namespace UserTexts {

// Window captions, labels and buttons.
inline constexpr UiText kLoginCaption{"UserTexts", QT_TRANSLATE_NOOP("UserTexts", "User Login")};
inline constexpr UiText kAddNewUser{"UserTexts", QT_TRANSLATE_NOOP("UserTexts", "Add New User")}; // caption and button
inline constexpr UiText kUserIdLabel{"UserTexts", QT_TRANSLATE_NOOP("UserTexts", "User ID :")};
inline constexpr UiText kPasswordLabel{"UserTexts", QT_TRANSLATE_NOOP("UserTexts", "Password :")};
inline constexpr UiText kCheckingPasswordLabel{"UserTexts", QT_TRANSLATE_NOOP("UserTexts", "Checking Password :")};
inline constexpr UiText kLoginButton{"UserTexts", QT_TRANSLATE_NOOP("UserTexts", "Login")};
inline constexpr UiText kOkButton{"UserTexts", QT_TRANSLATE_NOOP("UserTexts", "OK")};
inline constexpr UiText kCancelButton{"UserTexts", QT_TRANSLATE_NOOP("UserTexts", "Cancel")};

// Login.
inline constexpr UiText kErrorTitle{"UserTexts", QT_TRANSLATE_NOOP("UserTexts", "Error")};
inline constexpr UiText kChoseIdAndPassword{
    "UserTexts", QT_TRANSLATE_NOOP("UserTexts", "Please Chose your User ID And key in your password !!")};
inline QString wrongPassword(const QString &id)
{
    return QCoreApplication::translate("UserTexts", "User ID [%1] ! Your Password have some error ! Please try again !")
        .arg(id);
}
inline constexpr UiText kNoUserChosen{
    "UserTexts",
    QT_TRANSLATE_NOOP("UserTexts", "No User ID is chosen. The user list is empty: please add a new user first.")};
inline QString unknownUser(const QString &id)
{
    return QCoreApplication::translate(
               "UserTexts", "User ID [%1] is not in the user list any more. Please choose your User ID again.")
        .arg(id);
}
inline QString cannotReadUserList(const QString &reason)
{
    return QCoreApplication::translate("UserTexts", "The user list cannot be read. %1").arg(reason);
}
inline QString skippedUserListLines(const QString &file, int count, int firstLine)
{
    return count == 1 ? QCoreApplication::translate("UserTexts",
                                                    "Line %1 of the user list %2 could not be read and was skipped.")
                            .arg(QString::number(firstLine), file)
                      : QCoreApplication::translate(
                            "UserTexts",
                            "%1 lines of the user list %2 could not be read and were skipped; the first is line %3.")
                            .arg(QString::number(count), file, QString::number(firstLine));
}
inline QString cannotCreateReadingFile(const QString &id, const QString &reason)
{
    return QCoreApplication::translate("UserTexts", "The reading file of User ID [%1] cannot be created. %2")
        .arg(id, reason);
}
inline QString cannotLoadReadings(const QString &id, const QString &reason)
{
    return QCoreApplication::translate("UserTexts",
                                       "The readings of User ID [%1] cannot be loaded, so the login is refused. %2")
        .arg(id, reason);
}
inline QString cannotCreateUserList(const QString &reason)
{
    return QCoreApplication::translate("UserTexts", "The user list file cannot be created. %1").arg(reason);
}

// New user. The first three end in a full-width exclamation mark.
inline constexpr UiText kKeyInUserId{"UserTexts", QT_TRANSLATE_NOOP("UserTexts", "Please key in the User ID！")};
inline constexpr UiText kCannotUseUserId{"UserTexts", QT_TRANSLATE_NOOP("UserTexts", "You can't use this User ID！")};
inline constexpr UiText kKeyInPassword{"UserTexts", QT_TRANSLATE_NOOP("UserTexts", "Please key in the Password！")};
inline constexpr UiText kKeyInCheckingPassword{"UserTexts",
                                               QT_TRANSLATE_NOOP("UserTexts", "Please key in the Checking Password !")};
inline constexpr UiText kPasswordsDiffer{
    "UserTexts",
    QT_TRANSLATE_NOOP("UserTexts", "The password and checking password is not the same , Please try again !")};
inline QString userAdded(const QString &id)
{
    return QCoreApplication::translate("UserTexts", "Add New User [%1] Successfully !!").arg(id);
}
inline QString userNotAdded(const QString &id, const QString &reason)
{
    return QCoreApplication::translate("UserTexts", "User ID [%1] was NOT added. %2").arg(id, reason);
}

// Refusals of IDs and passwords the files cannot hold safely.
inline QString unsafeUserId(const QString &id, const QString &reason)
{
    return QCoreApplication::translate("UserTexts", "User ID [%1] cannot be used: %2.").arg(id, reason);
}
inline QString unsafePassword(const QString &reason)
{
    return QCoreApplication::translate("UserTexts", "This password cannot be used: %1.").arg(reason);
}

} // namespace UserTexts
