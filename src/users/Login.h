#pragma once

#include <QString>
#include <QStringList>

struct AppState;

// What the Login button led to, for the window (or a command-line run) to show.
struct LoginOutcome
{
    bool ok = false;
    QString message;      // empty when there is nothing to say
    QString title;        // empty: the application title
    bool critical = false;
    bool clearPassword = false;
    QStringList warnings; // shown after a successful login
};

namespace Login {

// Re-reads the user list, checks the ID and password, makes sure the user has a
// reading file (a new one every time for guest) and loads it. Only a complete
// success replaces state.user and state.tables; state.users always holds the
// list just read.
LoginOutcome logIn(AppState &state, const QString &id, const QString &password);

} // namespace Login
