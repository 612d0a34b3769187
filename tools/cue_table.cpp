// Prints the wave file of each cue, one a line, for scripts that check where
// the game finds them.
#include "cues.h"

#include <cstdio>

int main()
{
    for (const spinzaro::CueFile& entry : spinzaro::cueFiles)
        std::printf("%.*s\n", static_cast<int>(entry.file.size()), entry.file.data());
    return 0;
}
