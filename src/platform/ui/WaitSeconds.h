#pragma once

// Waits the given number of seconds while the program keeps handling its
// events: timer ticks, repaints and clicks go on during the wait. Measured on a
// monotonic clock, so neither midnight nor a change of the computer's clock
// shortens or stretches it. Zero or a negative number returns at once.
void WaitSeconds(int seconds);
