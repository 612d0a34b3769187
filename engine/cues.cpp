// The five sound cues, each a wave file beside the executable.
#include "machine_state.h"

#include <filesystem>

namespace spinzaro {

std::string cuePath(std::string_view folder, std::string_view fileLiteral)
{
    std::string path(folder);
    if (!fileLiteral.empty() && fileLiteral.front() == '\\') {
        // A backslash names no folder here; the platform's separator does.
        path += static_cast<char>(std::filesystem::path::preferred_separator);
        fileLiteral.remove_prefix(1);
    }
    path += fileLiteral;
    return path;
}

// Built afresh on every call and never tested for existence: the player skips
// a missing file in silence.
void SlotMachine::playCue(std::string_view fileLiteral)
{
    window_.playWave(cuePath(window_.applicationFolder(), fileLiteral));
}

void SlotMachine::playSpin()
{
    playCue("\\Spin.wav");
}
void SlotMachine::playCoinSlot()
{
    playCue("\\CoinSlot.wav");
}
void SlotMachine::playBell()
{
    playCue("\\slotbell2.wav");
}
void SlotMachine::playPolice()
{
    playCue("\\Police2.wav");
}
void SlotMachine::playCoinsWin()
{
    playCue("\\CoinsWin.wav");
}

}  // namespace spinzaro
