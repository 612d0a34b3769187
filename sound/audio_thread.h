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
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace spinzaro {

struct Request {
    std::string path;  // empty: stop
};

class AudioThread {
public:
    AudioThread(std::string server, SoundIdentity identity) : server_(std::move(server)), identity_(std::move(identity))
    {
        thread_ = std::thread([this] {
            run();
            const std::lock_guard lock(mutex_);
            finished_ = true;
            ended_.notify_all();
        });
    }

    // Waits for the thread unless stop() has left it behind.
    ~AudioThread()
    {
        if (thread_.joinable())
            stop();
    }

    // Asks the thread to end and gives it a moment. False when it is still held
    // up outside its loop, by a file on a hung file system say: it is then left
    // to end with the process, plays nothing more, and this object must be
    // kept for it.
    bool stop()
    {
        std::unique_lock lock(mutex_);
        quit_ = true;
        wake();
        if (!ended_.wait_for(lock, stopWait, [this] { return finished_; })) {
            thread_.detach();
            return false;
        }
        lock.unlock();
        thread_.join();
        return true;
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
    using Clock = std::chrono::steady_clock;

    // Where the player stands with the server. The states that wait on the
    // server, or on the end of a cue, have a deadline; no other state has one.
    enum class State {
        disconnected,  // no connection: the next cue makes one
        connecting,    // deadline: the server's answer
        connected,     // no stream yet, or it failed: the next cue opens one
        opening,       // the stream is being made; deadline: the server's answer
        silent,        // the stream is ready and corked, so the sink may suspend
        flushing,      // a cue is written; deadline: the server taking the flush
        sounding,      // uncorked; deadline: the cue's end and its tail, then corked
    };

    // A server that has not answered within this is taken as stalled: the
    // connection is dropped and a later cue makes a new one.
    static constexpr pa_usec_t answerTimeoutUs = 1'000'000;
    // A cue that could not start within this is dropped rather than heard late.
    static constexpr auto freshFor = std::chrono::milliseconds(250);
    // Small enough that a cue starts at once, large enough not to underrun on
    // a busy machine; the whole cue is handed over in one write anyway.
    static constexpr pa_usec_t targetLatencyUs = 25'000;
    // How long after a cue's own length its stream is corked, so that the
    // sink plays the tail out.
    static constexpr pa_usec_t tailUs = 250'000;
    // Far more than the thread's own clean-up takes, and short enough that the
    // program seems to end at once.
    static constexpr auto stopWait = std::chrono::milliseconds(200);

    struct AskedWave {
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

    // The transitions.
    void enter(State state, pa_usec_t deadlineUs = 0);
    void connect();
    void play(AskedWave cue);
    void openStream(const pa_sample_spec& format, const std::string& name);
    void write(const AskedWave& cue);
    void silence();
    void answered(State next);
    void dropStream();
    void dropConnection();

    static void contextChanged(pa_context* context, void* self);
    static void streamChanged(pa_stream* stream, void* self);
    static void leavingStreamChanged(pa_stream* stream, void*);
    static void flushed(pa_stream* stream, int success, void* self);
    static void deadlinePassed(pa_mainloop_api*, pa_time_event*, const timeval*, void* self);

    const std::string server_;
    const SoundIdentity identity_;
    std::thread thread_;
    std::atomic<bool> quit_{false};
    std::mutex mutex_;
    std::optional<Request> request_;
    std::condition_variable ended_;
    bool finished_ = false;        // the thread has let go of everything
    pa_mainloop* loop_ = nullptr;  // made and freed by the audio thread, under mutex_

    // Owned by the audio thread alone.
    State state_ = State::disconnected;
    pa_time_event* deadline_ = nullptr;  // the state's, if it has one
    pa_context* context_ = nullptr;
    // Kept open between cues, corked while silent, so that a cue costs the
    // server no new stream; replaced only by a cue of another sample format.
    pa_stream* stream_ = nullptr;
    pa_sample_spec format_{};
    pa_operation* flush_ = nullptr;     // while flushing
    std::optional<AskedWave> waiting_;  // while connecting or opening, for the cue to play once ready
    Clock::time_point written_;         // when the cue now in the stream was asked for
    pa_usec_t writtenUs_ = 0;           // and how long it lasts
};

}  // namespace spinzaro
