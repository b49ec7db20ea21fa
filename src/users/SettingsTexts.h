#pragma once

#include "platform/UiText.h"

#include <QString>

// Every text the settings window shows, each in one place.
namespace SettingsTexts {

inline constexpr UiText kCaption{"SettingsTexts", QT_TRANSLATE_NOOP("SettingsTexts", "Setting parameters")};
inline constexpr UiText kPortFrame{"SettingsTexts", QT_TRANSLATE_NOOP("SettingsTexts", "RS232 Port Setting")};
inline constexpr UiText kPortOptions[5] = {
    {"SettingsTexts", QT_TRANSLATE_NOOP("SettingsTexts", "Com Port 1 (Default)")},
    {"SettingsTexts", QT_TRANSLATE_NOOP("SettingsTexts", "Com Port 2")},
    {"SettingsTexts", QT_TRANSLATE_NOOP("SettingsTexts", "Com Port 3")},
    {"SettingsTexts", QT_TRANSLATE_NOOP("SettingsTexts", "Com Port 4")},
    {"SettingsTexts", QT_TRANSLATE_NOOP("SettingsTexts", "Com Port 5")}};
inline constexpr UiText kUnitFrame{"SettingsTexts", QT_TRANSLATE_NOOP("SettingsTexts", "Glucose Unit Setting")};
inline constexpr UiText kUnitMgdlOption{"SettingsTexts", QT_TRANSLATE_NOOP("SettingsTexts", "mg/dL(Default)")};
inline const QString kUnitMmolOption = QStringLiteral("mmol/L"); // a unit, the same in every language
inline constexpr UiText kTimeFrame{"SettingsTexts", QT_TRANSLATE_NOOP("SettingsTexts", "Time Format Setting")};
inline constexpr UiText kTimeYmdOption{"SettingsTexts", QT_TRANSLATE_NOOP("SettingsTexts", "yyyy/mm/dd(Default)")};
inline const QString kTimeDmyOption = QStringLiteral("dd/mm/yyyy"); // a date format, as written
inline constexpr UiText kLimitFrame{"SettingsTexts", QT_TRANSLATE_NOOP("SettingsTexts", "Glucose Value Limit Setting")};
inline constexpr UiText kUpperLabel{"SettingsTexts", QT_TRANSLATE_NOOP("SettingsTexts", "Uper limit:")};
inline constexpr UiText kLowerLabel{"SettingsTexts", QT_TRANSLATE_NOOP("SettingsTexts", "Lower limit:")};
inline constexpr UiText kPcUpperLabel{"SettingsTexts", QT_TRANSLATE_NOOP("SettingsTexts", "PC Uper limit:")};
inline constexpr UiText kPcLowerLabel{"SettingsTexts", QT_TRANSLATE_NOOP("SettingsTexts", "PC Lower limit:")};
inline constexpr UiText kHint{
    "SettingsTexts",
    QT_TRANSLATE_NOOP("SettingsTexts",
                      "Choose the proper port, data, glucose unit and glucose value limit before pressing save.")};
inline constexpr UiText kSaveButton{"SettingsTexts", QT_TRANSLATE_NOOP("SettingsTexts", "SAVE")};

// The device the chosen port number opens, kept for the user in the program's own settings file.
inline constexpr UiText kDeviceLabel{"SettingsTexts", QT_TRANSLATE_NOOP("SettingsTexts", "Device of this port:")};
inline constexpr UiText kDeviceHint{
    "SettingsTexts",
    QT_TRANSLATE_NOOP(
        "SettingsTexts",
        "Choose a serial port of this computer, such as a USB serial adapter, or type its name and press Enter.")};
inline QString defaultDevice(const QString &device)
{
    return QCoreApplication::translate("SettingsTexts", "Default (%1)").arg(device);
}
inline constexpr UiText kFindMeterButton{"SettingsTexts", QT_TRANSLATE_NOOP("SettingsTexts", "Find Meter...")};
inline QString deviceNotKept(const QString &reason)
{
    return QCoreApplication::translate("SettingsTexts", "The device was NOT kept for the port. %1").arg(reason);
}

inline constexpr UiText kLowerAboveUpper{
    "SettingsTexts",
    QT_TRANSLATE_NOOP("SettingsTexts",
                      "Error: The lower limit Setting of Glucose Value > The Uper limit Setting of Glucose Value!!")};
inline QString cannotSave(const QString &reason)
{
    return QCoreApplication::translate("SettingsTexts", "The settings were NOT saved in the user list. %1").arg(reason);
}

// The language of the windows, kept per user in the program's own settings file.
inline constexpr UiText kLanguageLabel{"SettingsTexts", QT_TRANSLATE_NOOP("SettingsTexts", "Language:")};
inline constexpr UiText kSystemLanguage{"SettingsTexts", QT_TRANSLATE_NOOP("SettingsTexts", "System")};
inline QString languageNotKept(const QString &reason)
{
    return QCoreApplication::translate("SettingsTexts", "The language was NOT kept for the next login. %1").arg(reason);
}

} // namespace SettingsTexts
