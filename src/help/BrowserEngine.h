#pragma once

// Readies the web engine of the help browser. Call before the application
// object is made: registers the manual's scheme, lets the engine share the
// windows' graphics context, and, when the program runs as root, turns the
// engine's sandbox off with a one-line warning on standard error, as the
// engine refuses to start as root with it on (it would hang or end the program).
namespace BrowserEngine {

void prepare();

} // namespace BrowserEngine
