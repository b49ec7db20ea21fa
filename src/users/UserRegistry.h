#pragma once

#include "users/UserSettings.h"
#include "users/UserTable.h"

#include <QByteArray>
#include <QString>

// The registry file: a header line, then one comma-separated record per user,
// ID and Passwd each followed by "*". The program ends the lines it writes with
// CR LF; lines it reads keep the end they had.
namespace UserRegistry {

inline constexpr char kHeader[] = "ID,Passwd,RS-232port,Unit,Time,Max,Min,Maxp,Minp";
inline const QString kGuestId = QStringLiteral("guest");
inline const QString kGuestPassword = QStringLiteral("vorpa");

// Port 1, mg/dL, year/month/day, limits 120, 80, 120, 80: what the guest record
// and every new user start with, and what a field that cannot be read falls back to.
UserSettings newUserSettings(const QString &id);

// One record line without its line end: ID + "*," + Passwd + "*," + seven fields.
QString formatRecord(const UserRecord &record);
// The record of a newly added user.
QString newUserRecord(const QString &id, const QString &password);
// Header and guest record, each line ended with CR LF.
QByteArray defaultContent();

// The first line is taken for the header, whatever it holds. A line of exactly
// nine fields whose ID is not empty once its last character (the "*") is gone
// is a record; every line is kept as read, with its line end, so that a rewrite
// loses nothing. Text is of the local 8-bit encoding; an ID that is not valid in
// it keeps its bytes (see LocalBytes), so distinct bytes stay distinct users with
// distinct files, and any other such field is read byte by byte as Latin-1.
UserTable parse(const QByteArray &content);
bool read(const QString &path, UserTable *table, QString *error);

// Creates (or replaces) the file with the default content.
bool createDefault(const QString &path, QString *error);
// What every login starts with: the default file when there is none yet.
bool ensureExists(const QString &path, QString *error);
// Appends the record of a new user and flushes it to disk. Refused (nothing
// written) when the file does not exist.
bool append(const QString &path, const QString &id, const QString &password, QString *error);
// The table with every record of settings.id given the seven settings fields;
// every other line stays as read, and an empty file gets the header.
UserTable applySettings(const UserTable &table, const UserSettings &settings);
// The file's bytes: the first line and every line of the table in order, each
// with its own line end (CR LF for a line the program made).
QByteArray format(const UserTable &table);
// Replaces the whole file with the file as it is now on disk (the table when
// there is none) given the settings (applySettings), so that lines another
// program added or changed since the table was read are kept. The table
// becomes what was written, and is changed only when the file was written.
// Run only while holding the data folder's lock.
bool rewrite(const QString &path, UserTable &table, const UserSettings &settings, QString *error);

// The settings a record holds. A field that is not a number, or does not fit
// in 16 bits, takes the new-user value instead.
UserSettings settingsOf(const UserRecord &record);

} // namespace UserRegistry
