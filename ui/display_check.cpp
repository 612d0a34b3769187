// Checks for a reachable display before the toolkit starts.
#include "display_check.h"

#include <QDir>
#include <QLibraryInfo>

#include <cstdlib>
#include <dlfcn.h>

namespace spinzaro {

namespace {

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

// Asks the X server itself through libxcb, which the toolkit's own X support
// loads anyway; nothing is decided when the library is not there.
std::optional<bool> xServerAnswers(const std::string& display)
{
    void* xcb = dlopen("libxcb.so.1", RTLD_LAZY | RTLD_LOCAL);
    if (xcb == nullptr)
        return std::nullopt;
    using Connect = void* (*)(const char*, int*);
    using HasError = int (*)(void*);
    using Disconnect = void (*)(void*);
    const auto connect = reinterpret_cast<Connect>(dlsym(xcb, "xcb_connect"));
    const auto hasError = reinterpret_cast<HasError>(dlsym(xcb, "xcb_connection_has_error"));
    const auto disconnect = reinterpret_cast<Disconnect>(dlsym(xcb, "xcb_disconnect"));
    std::optional<bool> answers;
    if (connect != nullptr && hasError != nullptr && disconnect != nullptr) {
        void* connection = connect(display.c_str(), nullptr);
        answers = hasError(connection) == 0;
        disconnect(connection);
    }
    dlclose(xcb);
    return answers;
}

bool waylandSupportInstalled()
{
    const QDir platforms(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms"));
    return !platforms.entryList({QStringLiteral("*wayland*")}, QDir::Files).isEmpty();
}

}  // namespace

std::optional<std::string> displayProblem()
{
    if (!environment("QT_QPA_PLATFORM").empty())
        return std::nullopt;
    const std::string x11 = environment("DISPLAY");
    const std::string wayland = environment("WAYLAND_DISPLAY");
    if (!x11.empty()) {
        if (xServerAnswers(x11).value_or(true))
            return std::nullopt;
        if (wayland.empty() || !waylandSupportInstalled())
            return "cannot open the display \"" + x11 + "\": no X server answers there";
        return std::nullopt;
    }
    if (!wayland.empty()) {
        if (waylandSupportInstalled())
            return std::nullopt;
        return "DISPLAY is not set and this Qt has no Wayland support; start the game in an X or XWayland session";
    }
    return "no display: neither DISPLAY nor WAYLAND_DISPLAY is set; start the game from a desktop session";
}

}  // namespace spinzaro
