#pragma once

// The program is built for Windows as a program of windows, which gets no
// console of its own: started from one (cmd, PowerShell), its command-line
// output (--version, --download, --list-ports ...) is to go there. Output
// already redirected to a file or a pipe stays where it goes. Nothing to do
// elsewhere.
namespace ConsoleOutput {

void attachToParent();

} // namespace ConsoleOutput
