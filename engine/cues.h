// The sound cues and the wave file each one plays: the one list of the
// game's waves. The build ships the waves of assets/sounds, and the installed
// game's test checks that they are exactly these.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

namespace spinzaro {

// A pay row plays the cue it names; the others are named after the operation
// that plays them: playSpin plays Cue::spin.
enum class Cue { spin, coinSlot, bell, police, coinsWin };

struct CueFile {
    Cue cue;
    std::string_view file;
};

inline constexpr auto cueFiles = std::to_array<CueFile>({
    {Cue::spin, "Spin.wav"},
    {Cue::coinSlot, "CoinSlot.wav"},
    {Cue::bell, "slotbell2.wav"},
    {Cue::police, "Police2.wav"},
    {Cue::coinsWin, "CoinsWin.wav"},
});

constexpr std::string_view cueFile(Cue cue)
{
    for (const CueFile& entry : cueFiles)
        if (entry.cue == cue)
            return entry.file;
    return {};
}

// Appends a cue's file to the folder as it stands, after one separator:
// nothing else is added or looked for, so a root folder yields a doubled
// separator.
inline std::string cuePath(std::string_view folder, std::string_view file)
{
    std::string path(folder);
    path += static_cast<char>(std::filesystem::path::preferred_separator);
    path += file;
    return path;
}

}  // namespace spinzaro
