// Entry point: the game's window, until the program ends.
#include "game_start.h"
#include "platform_start.h"

#include <sys/syscall.h>
#include <unistd.h>

int main(int argc, char* argv[])
{
    return spinzaro::startGame(argc, argv);
}

// Qt's Wayland plugin ends the process with _exit() when its connection
// breaks, past every exit handler. The executable exports this one, which the
// plugins then call instead, so that a window that could not be opened is
// still explained in one line; otherwise it is the system's own.
extern "C" void _exit(int status)
{
    spinzaro::reportEndDuringStart();
    for (;;)
        ::syscall(SYS_exit_group, status);
}
