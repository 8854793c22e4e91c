#pragma once

// Makes every top-level window built on a plain QWidget (the main window) a
// window to the accessibility layer. Qt gives such a widget the role of a
// client area, which AT-SPI shows as a "filler": screen readers
// then find no window to follow, never see it become active and drop the
// focus changes inside it. Installing it twice does nothing more.
void InstallarFinestraAccessible();
