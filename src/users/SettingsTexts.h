#pragma once

#include <QString>

// Every text the settings window shows, each in one place.
namespace SettingsTexts {

inline const QString kCaption = QStringLiteral("Setting parameters");
inline const QString kPortFrame = QStringLiteral("RS232 Port Setting");
inline const QString kPortOptions[5] = {QStringLiteral("Com Port 1 (Default)"), QStringLiteral("Com Port 2"),
                                        QStringLiteral("Com Port 3"), QStringLiteral("Com Port 4"),
                                        QStringLiteral("Com Port 5")};
inline const QString kUnitFrame = QStringLiteral("Glucose Unit Setting");
inline const QString kUnitMgdlOption = QStringLiteral("mg/dL(Default)");
inline const QString kUnitMmolOption = QStringLiteral("mmol/L");
inline const QString kTimeFrame = QStringLiteral("Time Format Setting");
inline const QString kTimeYmdOption = QStringLiteral("yyyy/mm/dd(Default)");
inline const QString kTimeDmyOption = QStringLiteral("dd/mm/yyyy");
inline const QString kLimitFrame = QStringLiteral("Glucose Value Limit Setting");
inline const QString kUpperLabel = QStringLiteral("Uper limit:");
inline const QString kLowerLabel = QStringLiteral("Lower limit:");
inline const QString kPcUpperLabel = QStringLiteral("PC Uper limit:");
inline const QString kPcLowerLabel = QStringLiteral("PC Lower limit:");
inline const QString kHint = QStringLiteral(
    "Choose the proper port, data, glucose unit and glucose value limit before pressing save.");
inline const QString kSaveButton = QStringLiteral("SAVE");

// The device the chosen port number opens, kept for the user in the program's own settings file.
inline const QString kDeviceLabel = QStringLiteral("Device of this port:");
inline const QString kDeviceHint = QStringLiteral(
    "Choose a serial port of this computer, such as a USB serial adapter, or type its name and press Enter.");
inline QString defaultDevice(const QString &device)
{
    return QStringLiteral("Default (%1)").arg(device);
}
inline const QString kFindMeterButton = QStringLiteral("Find Meter...");
inline QString deviceNotKept(const QString &reason)
{
    return QStringLiteral("The device was NOT kept for the port. %1").arg(reason);
}

inline const QString kLowerAboveUpper = QStringLiteral(
    "Error: The lower limit Setting of Glucose Value > The Uper limit Setting of Glucose Value!!");
inline QString cannotSave(const QString &reason)
{
    return QStringLiteral("The settings were NOT saved in the user list. %1").arg(reason);
}

} // namespace SettingsTexts
