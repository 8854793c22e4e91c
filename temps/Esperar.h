#pragma once

// Waits `ms` milliseconds while the window system goes on dispatching
// messages: windows repaint, timers tick and enabled controls answer clicks.
// The wait sleeps in a nested event loop (no CPU is used) and is ended by a
// timer, so it does not depend on the tick count and survives its wrap. It
// also ends when the application quits, so a pause never outlives the program.
void Esperar(int ms);
