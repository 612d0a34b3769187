// Control names of the window design.
#include "window_operations.h"

#include <array>

namespace spinzaro {

std::string_view controlName(Label label)
{
    static constexpr auto names = std::to_array<std::string_view>(
        {"lbWin", "lbBet", "lbAhead", "lbSpinBet", "lbAmount_0", "lbAmount_1", "lbAmount_2", "lbAmount_3", "lbAmount_4",
         "lbAmount_5", "lbAmount_6", "lbAmount_7"});
    return names.at(static_cast<std::size_t>(label));
}

std::string_view controlName(Picture picture)
{
    static constexpr auto names = std::to_array<std::string_view>({"imgMenu", "imgCoins2", "img50bill", "img100Bill"});
    return names.at(static_cast<std::size_t>(picture));
}

std::string_view controlName(Button button)
{
    static constexpr auto names = std::to_array<std::string_view>({"cmdSpin", "cmdQuit"});
    return names.at(static_cast<std::size_t>(button));
}

std::string_view controlName(Timer timer)
{
    static constexpr auto names = std::to_array<std::string_view>({"Timer1", "Timer2", "Timer3", "tmrWait"});
    return names.at(static_cast<std::size_t>(timer));
}

}  // namespace spinzaro
