// Starts the Qt application on whatever platform Qt chooses, and turns a
// display that cannot be opened into one line and a failure status.
#pragma once

#include <QApplication>

#include <memory>

namespace spinzaro {

// Returns the application, or ends the process with status 1 after one line
// on stderr naming the cause, where Qt would print its own lines and abort.
std::unique_ptr<QApplication> startApplication(int& argc, char** argv);

}  // namespace spinzaro
