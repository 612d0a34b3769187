// Starting the game: the application on the platform Qt chooses, the main window.
#pragma once

#include <functional>

namespace spinzaro {

class Form1;

// Runs the game until the program ends and returns the exit status. Where no
// window can be opened it says why in one line and ends with status 1. The
// hook sees the window just before it is first shown.
int startGame(int argc, char* argv[], const std::function<void(Form1&)>& beforeShow = {});

}  // namespace spinzaro
