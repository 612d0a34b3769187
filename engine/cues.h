// The sound cues and the wave file each one plays: the one list of the
// game's waves, which the build copies and installs from.
#pragma once

#include <algorithm>
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
    {Cue::spin, "\\Spin.wav"},
    {Cue::coinSlot, "\\CoinSlot.wav"},
    {Cue::bell, "\\slotbell2.wav"},
    {Cue::police, "\\Police2.wav"},
    {Cue::coinsWin, "\\CoinsWin.wav"},
});

constexpr std::string_view cueFile(Cue cue)
{
    for (const CueFile& entry : cueFiles)
        if (entry.cue == cue)
            return entry.file;
    return {};
}

// Each file is named the way the game always has, after a backslash; cuePath
// turns that backslash into the platform's separator.
static_assert(std::ranges::all_of(cueFiles, [](const CueFile& entry) { return entry.file.starts_with('\\'); }));

// Appends a cue's file to the folder as it stands: nothing else is added or
// looked for, so a root folder yields a doubled separator.
inline std::string cuePath(std::string_view folder, std::string_view fileLiteral)
{
    std::string path(folder);
    path += static_cast<char>(std::filesystem::path::preferred_separator);
    path += fileLiteral.substr(1);
    return path;
}

}  // namespace spinzaro
