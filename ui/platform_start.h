// Starts the Qt application on whatever platform Qt chooses, and turns a
// window that cannot be opened into one line and a failure status.
#pragma once

#include <QApplication>
#include <QString>

#include <memory>

namespace spinzaro {

// Makes sure descriptors 0, 1 and 2 are open before anything else is, so that
// no file, socket or event counter of the game takes their place and gets the
// output meant for them. One that was closed is opened on /dev/null the wrong
// way round, so that using it fails as before.
void keepStandardDescriptors();

// Returns the application, or nothing after one line on stderr when the scale
// factor asked for can give no window. From here until finishStart(), a
// window that cannot be opened, whether Qt gives up or a platform plugin ends
// the process, ends it with status 1 after one line on stderr naming the
// reason. Meanwhile the lines of Qt and of the libraries under it are held
// back, and shown once the window is up; debug output passes at once.
std::unique_ptr<QApplication> startApplication(int& argc, char** argv);

// The window is up: what was held back is shown, and failures are Qt's again.
void finishStart();

// Ends the start with one line naming why the game cannot be played, dropping
// what was held back; the caller then ends with status 1.
void refuseStart(const QString& reason);

// For the executable's own _exit(): a plugin that ends the process while the
// window is being opened. Ends it with status 1 after the line; returns when
// no start is under way in this process.
void reportEndDuringStart();

}  // namespace spinzaro
