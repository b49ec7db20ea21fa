#pragma once

class QTextStream;
struct AppState;

// Downloads the meter's readings for the logged-in user without a window: the
// same session, timers and port as the download window, run in a local event
// loop. Every label text and progress step is printed on out as it changes.
// Returns 0 once the download is complete (the reading file rewritten, or left
// alone when the meter held no record), with a warning on err when the meter did
// not acknowledge the end and may still be on; otherwise prints why and where
// the download's log is on err and returns 1.
int runCommandLineDownload(AppState &state, QTextStream &out, QTextStream &err);
