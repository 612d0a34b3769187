// The ways of playing a cue that the sound benchmark sets beside the game's
// own player: the floor it is held to, and paplay. Each plays through the
// PulseAudio-protocol server at the address it is given.
#pragma once

#include "wave_file.h"

#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>

#include <csignal>
#include <string>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace spinzaro::bench {

// The floor: one stream made ahead, corked between cues, and each cue written
// straight from the calling thread (flush, write, uncork), with no hand-over
// and no waiting for the server's word. Corked again once drained.
class KeptOpenStream {
public:
    explicit KeptOpenStream(const std::string& server) : loop_(pa_threaded_mainloop_new())
    {
        context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), "cue bench");
        pa_context_set_state_callback(context_, signal, loop_);
        pa_context_connect(context_, server.c_str(), PA_CONTEXT_NOAUTOSPAWN, nullptr);
        pa_threaded_mainloop_lock(loop_);
        pa_threaded_mainloop_start(loop_);
        while (pa_context_get_state(context_) < PA_CONTEXT_READY)
            pa_threaded_mainloop_wait(loop_);
        const pa_sample_spec format{PA_SAMPLE_S16NE, 44100, 1};
        const auto unset = static_cast<std::uint32_t>(-1);
        const pa_buffer_attr buffer{unset, static_cast<std::uint32_t>(pa_usec_to_bytes(25'000, &format)), unset, unset,
                                    unset};
        stream_ = pa_stream_new(context_, "floor", &format, nullptr);
        pa_stream_set_state_callback(stream_, signal, loop_);
        pa_stream_connect_playback(stream_, nullptr, &buffer,
                                   static_cast<pa_stream_flags_t>(PA_STREAM_ADJUST_LATENCY | PA_STREAM_START_CORKED),
                                   nullptr, nullptr);
        while (pa_stream_get_state(stream_) < PA_STREAM_READY)
            pa_threaded_mainloop_wait(loop_);
        pa_threaded_mainloop_unlock(loop_);
    }
    ~KeptOpenStream()
    {
        pa_threaded_mainloop_stop(loop_);
        pa_stream_unref(stream_);
        pa_context_disconnect(context_);
        pa_context_unref(context_);
        pa_threaded_mainloop_free(loop_);
    }
    void play(const std::string& path)
    {
        const auto wave = readWave(path);
        pa_threaded_mainloop_lock(loop_);
        pa_operation_unref(pa_stream_flush(stream_, nullptr, nullptr));
        pa_stream_write(stream_, wave->samples.data(), wave->samples.size() * 2, nullptr, 0, PA_SEEK_RELATIVE);
        pa_operation_unref(pa_stream_cork(stream_, 0, nullptr, nullptr));
        pa_operation_unref(pa_stream_drain(stream_, corkOnceDrained, nullptr));
        pa_threaded_mainloop_unlock(loop_);
    }

private:
    template <typename Object>
    static void signal(Object*, void* loop)
    {
        pa_threaded_mainloop_signal(static_cast<pa_threaded_mainloop*>(loop), 0);
    }
    static void corkOnceDrained(pa_stream* stream, int success, void*)
    {
        if (success != 0)
            pa_operation_unref(pa_stream_cork(stream, 1, nullptr, nullptr));
    }

    pa_threaded_mainloop* loop_;
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
};

// A new process per cue, as a shell script would play it; the one before is
// ended first, so that one cue sounds at a time here too.
class PaplayProcess {
public:
    explicit PaplayProcess(std::string server) : server_("--server=" + std::move(server)) {}
    ~PaplayProcess() { reap(); }
    void play(const std::string& path)
    {
        reap();
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
        char* argv[] = {const_cast<char*>("paplay"), server_.data(), const_cast<char*>(path.c_str()), nullptr};
        posix_spawnp(&child_, "paplay", &actions, nullptr, argv, environ);
        posix_spawn_file_actions_destroy(&actions);
    }

private:
    void reap()
    {
        if (child_ <= 0)
            return;
        ::kill(child_, SIGTERM);
        ::waitpid(child_, nullptr, 0);
        child_ = -1;
    }

    std::string server_;
    pid_t child_ = -1;
};

}  // namespace spinzaro::bench
