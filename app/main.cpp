// Entry point of the game.
#include <cstdio>

int main()
{
    std::puts("Spinzaro: the game window is not built yet; run the tests to exercise the engine.");
    return 0;
}
