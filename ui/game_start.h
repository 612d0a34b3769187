// Starting the game: the display check, the application, the main window.
#pragma once

#include <functional>

namespace spinzaro {

class Form1;

// Runs the game until the program ends and returns the exit status. Without a
// display it says why in one line and returns 1. The hook sees the window
// just before it is first shown.
int startGame(int argc, char* argv[], const std::function<void(Form1&)>& beforeShow = {});

}  // namespace spinzaro
