// Entry point: the game's window, until the program ends.
#include "game_start.h"

int main(int argc, char* argv[])
{
    return spinzaro::startGame(argc, argv);
}
