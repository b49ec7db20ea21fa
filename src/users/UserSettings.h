#pragma once

#include <QString>

// The logged-in user's settings, application-wide from a successful login until
// the next one. Limits are whole mg/dL whatever the display unit.
struct UserSettings
{
    QString id;
    int port = 0; // serial port 1..5
    // Unit and date format as the user list holds them, so a rewrite puts back
    // even a value this program does not know; glucoseUnit() and dateFormat()
    // (store/ReadingTexts.h) say what they mean.
    int unit = 0;       // 1 = mg/dL, 2 = mmol/L
    int dateFormat = 0; // 1 = year/month/day, 2 = day/month/year
    int max = 0;
    int min = 0;
    int maxp = 0; // after-meal limits: kept and saved, not drawn
    int minp = 0;

    friend bool operator==(const UserSettings &, const UserSettings &) = default;
};
