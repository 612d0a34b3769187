// PulseAudio's client library and libsndfile, opened by the audio thread
// rather than with the program: the window's start-up neither waits for
// them nor carries their pages, and a machine without them is only silent.
#pragma once

#include <pulse/context.h>
#include <pulse/mainloop.h>
#include <pulse/operation.h>
#include <pulse/proplist.h>
#include <pulse/stream.h>
#include <pulse/timeval.h>
#include <sndfile.h>

namespace spinzaro {

// Every function the cue player calls, by its own name.
#define SPINZARO_PULSE_FUNCTIONS(X)                                                                                    \
    X(pa_context_connect)                                                                                              \
    X(pa_context_disconnect)                                                                                           \
    X(pa_context_get_state)                                                                                            \
    X(pa_context_new_with_proplist)                                                                                    \
    X(pa_context_set_state_callback)                                                                                   \
    X(pa_context_unref)                                                                                                \
    X(pa_gettimeofday)                                                                                                 \
    X(pa_mainloop_free)                                                                                                \
    X(pa_mainloop_get_api)                                                                                             \
    X(pa_mainloop_iterate)                                                                                             \
    X(pa_mainloop_new)                                                                                                 \
    X(pa_mainloop_wakeup)                                                                                              \
    X(pa_operation_cancel)                                                                                             \
    X(pa_operation_unref)                                                                                              \
    X(pa_proplist_free)                                                                                                \
    X(pa_proplist_new)                                                                                                 \
    X(pa_proplist_sets)                                                                                                \
    X(pa_sample_spec_valid)                                                                                            \
    X(pa_stream_connect_playback)                                                                                      \
    X(pa_stream_disconnect)                                                                                            \
    X(pa_stream_drain)                                                                                                 \
    X(pa_stream_get_state)                                                                                             \
    X(pa_stream_new)                                                                                                   \
    X(pa_stream_set_state_callback)                                                                                    \
    X(pa_stream_unref)                                                                                                 \
    X(pa_stream_write)                                                                                                 \
    X(pa_timeval_add)                                                                                                  \
    X(pa_usec_to_bytes)
#define SPINZARO_SNDFILE_FUNCTIONS(X) X(sf_close) X(sf_open_fd) X(sf_readf_short)

struct SoundLibraries {
#define SPINZARO_FUNCTION_SLOT(name) decltype(&::name) name = nullptr;
    SPINZARO_PULSE_FUNCTIONS(SPINZARO_FUNCTION_SLOT)
    SPINZARO_SNDFILE_FUNCTIONS(SPINZARO_FUNCTION_SLOT)
#undef SPINZARO_FUNCTION_SLOT
};

// Opens both libraries the first time it is called, on the calling thread.
// Null where either is missing or lacks a function.
const SoundLibraries* soundLibraries();

}  // namespace spinzaro
