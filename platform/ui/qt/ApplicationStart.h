// How a program of the dialog framework starts over Qt, before and while the Qt application is
// made: the questions that need no display (--help, --version), the choice of window system
// when the user made none, and the end of a program that cannot reach any display.
#pragma once

#include <QApplication>
#include <memory>
#include <optional>

namespace platform::qt {

// --help or --version as the only argument: prints the program's usage (its resource
// ":/res/text/usage.txt") or the version on stdout and gives the exit status: 0, or 1 when stdout
// cannot take it. Any other command line gives nullopt: the program runs with it.
std::optional<int> AnswerQuery(int argc, char** argv);

// Where the session offers both X11 and Wayland and the user chose no platform (neither
// QT_QPA_PLATFORM nor -platform), runs on X11, where a window can be placed; Wayland is taken
// only when the X server cannot be reached. Sets QT_QPA_PLATFORM for the Qt application.
void ChooseWindowSystem(int argc, char** argv);

// Makes the Qt application, which takes its own options (-platform, -display, ...) out of
// argc and argv. When it cannot start (no display can be reached), the process ends here with
// one line on stderr and status 1.
std::unique_ptr<QApplication> OpenApplication(int& argc, char** argv);

// Whether the program places its windows and learns where they stand. Not on Wayland, where
// only the compositor knows and decides where a window is.
bool CanPlaceWindows();

}  // namespace platform::qt
