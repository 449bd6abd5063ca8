#pragma once
// What the program asks of the web page it runs in (built for WebAssembly
// only; the desktop builds leave this file out).

namespace ui::browser {

// Readies the program for the page: registers the embedded fonts that the
// windows ask for (the browser's Qt brings only DejaVu) and the windows'
// icon, shows windows in their own size (Qt would show each full screen),
// and gives the keyboard back to the window below whenever a window closes
// (the page has no window manager to do so, and keys go nowhere while no
// window is active).
void preparePage();

// Replaces the program's screen with the page "Das Programm ist beendet"
// and its button that starts the program again.
void showEndPage();

// True where the browser lets the page put a picture on the clipboard (the
// asynchronous clipboard with images, in a secure context).
bool canCopyImages();

} // namespace ui::browser
