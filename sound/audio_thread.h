// The cue player's audio thread: reads wave files and talks to the sound
// server through PulseAudio's client library, never on the window's thread.
#pragma once

#include "cue_player.h"
#include "wave_file.h"

#include <pulse/context.h>
#include <pulse/mainloop.h>
#include <pulse/stream.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace spinzaro {

using Clock = std::chrono::steady_clock;

// A server that has not answered within this is taken as stalled: the
// connection is dropped and a later cue makes a new one.
constexpr pa_usec_t answerTimeoutUs = 1'000'000;
// A cue that could not start within this is dropped rather than heard late.
constexpr auto freshFor = std::chrono::milliseconds(250);
// Small enough that a cue starts at once, large enough not to underrun on a
// busy machine; the whole cue is handed over in one write anyway.
constexpr pa_usec_t targetLatencyUs = 25'000;
// A cue's stream is corked this long after the cue's own length has passed,
// so that the sink plays the tail out.
constexpr pa_usec_t tailUs = 250'000;

struct Request {
    std::string path;  // empty: stop
};

class AudioThread {
public:
    AudioThread(std::string server, SoundIdentity identity) : server_(std::move(server)), identity_(std::move(identity))
    {
        thread_ = std::thread([this] { run(); });
    }

    ~AudioThread()
    {
        {
            const std::lock_guard lock(mutex_);
            quit_ = true;
            wake();
        }
        thread_.join();
    }

    AudioThread(const AudioThread&) = delete;
    AudioThread& operator=(const AudioThread&) = delete;

    // Event thread: only a short lock to leave the request, and a wake-up
    // once the thread has its loop; until then the thread finds the request
    // itself.
    void post(Request request)
    {
        const std::lock_guard lock(mutex_);
        request_ = std::move(request);
        wake();
    }

private:
    struct Cue {
        Wave wave;
        Clock::time_point asked;
        std::string name;  // the mixer's name for the stream while it sounds
        bool fresh() const { return Clock::now() - asked < freshFor; }
    };

    void run();
    void wake()  // under mutex_, so that the loop outlives the call
    {
        if (loop_ != nullptr)
            pa_mainloop_wakeup(loop_);
    }
    void serveRequest();
    void connect();
    void play(Cue cue);
    void openStream(const pa_sample_spec& format, Cue cue);
    void silence();
    void answered();
    void cancel(pa_operation*& operation);
    void dropStream();
    static void letStreamGo(pa_stream* stream);
    void dropConnection();
    void armTimer(pa_time_event*& timer, pa_usec_t afterUs,
                  void (*callback)(pa_mainloop_api*, pa_time_event*, const timeval*, void*));
    void disarmTimer(pa_time_event*& timer);

    static void contextChanged(pa_context* context, void* self);
    static void streamChanged(pa_stream* stream, void* self);
    static void leavingStreamChanged(pa_stream* stream, void*);
    static void flushed(pa_stream* stream, int success, void* self);
    static void answerOverdue(pa_mainloop_api*, pa_time_event*, const timeval*, void* self);
    static void tailPlayed(pa_mainloop_api*, pa_time_event*, const timeval*, void* self);

    const std::string server_;
    const SoundIdentity identity_;
    std::thread thread_;
    std::atomic<bool> quit_{false};
    std::mutex mutex_;
    std::optional<Request> request_;
    pa_mainloop* loop_ = nullptr;  // made and freed by the audio thread, under mutex_

    // Owned by the audio thread alone.
    pa_context* context_ = nullptr;
    // Kept open between cues, corked while silent, so that a cue costs the
    // server no new stream; replaced only by a cue of another sample format.
    pa_stream* stream_ = nullptr;
    pa_sample_spec format_{};
    pa_operation* flush_ = nullptr;
    std::optional<Cue> waiting_;  // for the connection, or for the stream to be ready
    Clock::time_point written_;   // when the cue now in the stream was asked for
    pa_usec_t writtenUs_ = 0;     // and how long it lasts
    // The server's answer to a connection, a new stream or a cue, and the end
    // of a cue: apart, so that corking a stream leaves a deadline standing.
    pa_time_event* answerTimer_ = nullptr;
    pa_time_event* tailTimer_ = nullptr;
};

}  // namespace spinzaro
