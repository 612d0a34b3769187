// Opening the sound libraries by their run-time names.
#include "sound_libraries.h"

#include <dlfcn.h>

namespace spinzaro {
namespace {

template <typename Function>
bool find(void* library, const char* name, Function& slot)
{
    slot = reinterpret_cast<Function>(::dlsym(library, name));
    return slot != nullptr;
}

SoundLibraries* open()
{
    // Kept open for the life of the program; a library that is not there
    // leaves the game silent.
    void* pulse = ::dlopen("libpulse.so.0", RTLD_NOW | RTLD_LOCAL);
    void* sndfile = ::dlopen("libsndfile.so.1", RTLD_NOW | RTLD_LOCAL);
    if (pulse == nullptr || sndfile == nullptr)
        return nullptr;
    static SoundLibraries libraries;
    bool complete = true;
#define SPINZARO_FIND_PULSE(name) complete = find(pulse, #name, libraries.name) && complete;
#define SPINZARO_FIND_SNDFILE(name) complete = find(sndfile, #name, libraries.name) && complete;
    SPINZARO_PULSE_FUNCTIONS(SPINZARO_FIND_PULSE)
    SPINZARO_SNDFILE_FUNCTIONS(SPINZARO_FIND_SNDFILE)
#undef SPINZARO_FIND_PULSE
#undef SPINZARO_FIND_SNDFILE
    return complete ? &libraries : nullptr;
}

}  // namespace

const SoundLibraries* soundLibraries()
{
    static const SoundLibraries* const libraries = open();
    return libraries;
}

}  // namespace spinzaro
