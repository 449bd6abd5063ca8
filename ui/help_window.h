#pragma once
// A small help window for one window: what the mouse, the buttons and the
// keys do there. Esc closes it. It lies on the screen whatever the screen's
// size, and scrolls where its text is longer than the screen is high.

#include <QString>
#include <QWidget>
#include <functional>
#include <utility>
#include <vector>

namespace ui {

struct HelpSection {
    QString heading;                               // e.g. "Maus"
    std::vector<std::pair<QString, QString>> rows; // what the user does, what happens
};

struct HelpPage {
    QString title; // the help window's caption
    std::vector<HelpSection> sections;
};

using HelpRows = std::vector<std::pair<QString, QString>>;

// Rows that read the same in every window that has what they describe: Esc
// for the help, the keyboard's way through the controls; the sliders' keys;
// Ctrl+C, which a number box with a selection keeps for its text.
HelpRows controlKeyRows();
HelpRows sliderKeyRows();
HelpRows copyKeyRow();
HelpRows lineWeightRows(); // with the weight as it is now

// The page as the help window shows it (rich text).
QString helpText(const HelpPage& page);

// Shows the help window of `window` (created on first use, owned by `window`)
// with the page as it reads now and brings it to the front.
void showHelp(QWidget& window, std::function<HelpPage()> page);

// The help of `window`, if one was shown, with its page as it reads now (a
// new line weight changes what it says); it stays where it is, open or closed.
void refreshHelp(QWidget& window);

} // namespace ui
