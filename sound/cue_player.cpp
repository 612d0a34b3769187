// The cue player's audio thread: reads wave files and talks to the sound
// server (PulseAudio's client library), never the window's event thread.
#include "cue_player.h"

#include "wave_file.h"

#include <pulse/context.h>
#include <pulse/operation.h>
#include <pulse/timeval.h>
#include <pulse/mainloop.h>
#include <pulse/proplist.h>
#include <pulse/stream.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <mutex>
#include <optional>
#include <thread>

#include <pthread.h>

namespace spinzaro {
namespace {

using Clock = std::chrono::steady_clock;

// A server that has not answered within this is taken as stalled: the
// connection is dropped and a later cue makes a new one.
constexpr pa_usec_t answerTimeoutUs = 1'000'000;
// A cue that could not start within this is dropped rather than heard late.
constexpr auto freshFor = std::chrono::milliseconds(250);
// Small enough that a cue starts at once, large enough not to underrun on a
// busy machine; the whole cue is handed over in one write anyway.
constexpr pa_usec_t targetLatencyUs = 25'000;
// The server reports a cue drained once its sink has taken the last sample;
// the stream is kept this much longer so that the sink plays the tail out.
constexpr pa_usec_t tailUs = 250'000;

struct Request {
    std::string path;  // empty: stop
};

}  // namespace

class CuePlayer::AudioThread {
public:
    explicit AudioThread(std::string server) : server_(std::move(server)), loop_(pa_mainloop_new())
    {
        thread_ = std::thread([this] { run(); });
    }

    ~AudioThread()
    {
        quit_ = true;
        pa_mainloop_wakeup(loop_);
        thread_.join();
        pa_mainloop_free(loop_);
    }

    AudioThread(const AudioThread&) = delete;
    AudioThread& operator=(const AudioThread&) = delete;

    // Event thread: only a short lock to leave the request, and a wake-up.
    void post(Request request)
    {
        {
            const std::lock_guard lock(mutex_);
            request_ = std::move(request);
        }
        pa_mainloop_wakeup(loop_);
    }

private:
    struct Cue {
        Wave wave;
        Clock::time_point asked;
        bool fresh() const { return Clock::now() - asked < freshFor; }
    };

    void run();
    void serveRequest();
    void connect();
    void startStream(Cue cue);
    void writeCue(pa_stream* stream);
    void dropStream();
    void dropConnection();
    void armTimer(pa_usec_t afterUs, void (*callback)(pa_mainloop_api*, pa_time_event*, const timeval*, void*));
    void disarmTimer();

    static void contextChanged(pa_context* context, void* self);
    static void streamChanged(pa_stream* stream, void* self);
    static void drained(pa_stream* stream, int success, void* self);
    static void answerOverdue(pa_mainloop_api*, pa_time_event*, const timeval*, void* self);
    static void tailPlayed(pa_mainloop_api*, pa_time_event*, const timeval*, void* self);

    const std::string server_;
    pa_mainloop* const loop_;
    std::thread thread_;
    std::atomic<bool> quit_{false};
    std::mutex mutex_;
    std::optional<Request> request_;

    // Owned by the audio thread alone.
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
    pa_operation* drain_ = nullptr;
    std::optional<Cue> waiting_;  // for the connection, or for the stream to be ready
    pa_time_event* timer_ = nullptr;
};

void CuePlayer::AudioThread::run()
{
    // Signals are the event thread's business (Ctrl+C, a dying child).
    sigset_t all;
    sigfillset(&all);
    pthread_sigmask(SIG_BLOCK, &all, nullptr);
    // Connecting before the first cue spares it that wait.
    connect();
    while (!quit_) {
        if (pa_mainloop_iterate(loop_, 1, nullptr) < 0)
            break;
        serveRequest();
    }
    dropConnection();
}

void CuePlayer::AudioThread::serveRequest()
{
    std::optional<Request> request;
    {
        const std::lock_guard lock(mutex_);
        request.swap(request_);
    }
    if (!request)
        return;
    const Clock::time_point asked = Clock::now();
    dropStream();  // the newest cue cuts off the one before, and stop just that
    waiting_.reset();
    if (request->path.empty())
        return;
    std::optional<Wave> wave = readWave(request->path);
    if (!wave)
        return;
    Cue cue{std::move(*wave), asked};
    if (context_ != nullptr && pa_context_get_state(context_) == PA_CONTEXT_READY) {
        startStream(std::move(cue));
        return;
    }
    waiting_ = std::move(cue);
    if (context_ == nullptr)
        connect();
}

void CuePlayer::AudioThread::connect()
{
    pa_proplist* properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, "Spinzaro");
    pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "game");
    context_ = pa_context_new_with_proplist(pa_mainloop_get_api(loop_), "Spinzaro", properties);
    pa_proplist_free(properties);
    if (context_ == nullptr)
        return;
    pa_context_set_state_callback(context_, contextChanged, this);
    // Never start a server of our own: the desktop runs one, or there is no sound.
    if (pa_context_connect(context_, server_.empty() ? nullptr : server_.c_str(), PA_CONTEXT_NOAUTOSPAWN, nullptr) <
        0) {
        dropConnection();
        return;
    }
    armTimer(answerTimeoutUs, answerOverdue);
}

void CuePlayer::AudioThread::startStream(Cue cue)
{
    const pa_sample_spec spec{PA_SAMPLE_S16NE, static_cast<std::uint32_t>(cue.wave.sampleRate),
                              static_cast<std::uint8_t>(cue.wave.channels)};
    if (cue.wave.channels > static_cast<int>(PA_CHANNELS_MAX) || pa_sample_spec_valid(&spec) == 0)
        return;
    stream_ = pa_stream_new(context_, "cue", &spec, nullptr);
    if (stream_ == nullptr)
        return;
    pa_stream_set_state_callback(stream_, streamChanged, this);
    const auto unset = static_cast<std::uint32_t>(-1);
    const pa_buffer_attr buffer{unset, static_cast<std::uint32_t>(pa_usec_to_bytes(targetLatencyUs, &spec)), unset,
                                unset, unset};
    if (pa_stream_connect_playback(stream_, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr) < 0) {
        dropStream();
        return;
    }
    waiting_ = std::move(cue);
    armTimer(answerTimeoutUs, answerOverdue);
}

void CuePlayer::AudioThread::writeCue(pa_stream* stream)
{
    disarmTimer();
    if (!waiting_ || !waiting_->fresh()) {
        dropStream();
        return;
    }
    const std::vector<std::int16_t>& samples = waiting_->wave.samples;
    // All at once: the server buffers it, so the cue needs no further word
    // from this thread and survives a busy client.
    pa_stream_write(stream, samples.data(), samples.size() * sizeof(std::int16_t), nullptr, 0, PA_SEEK_RELATIVE);
    waiting_.reset();
    // Draining also starts a cue shorter than the server's start threshold.
    drain_ = pa_stream_drain(stream, drained, this);
}

void CuePlayer::AudioThread::dropStream()
{
    disarmTimer();
    if (drain_ != nullptr) {
        pa_operation_cancel(drain_);
        pa_operation_unref(drain_);
        drain_ = nullptr;
    }
    if (stream_ == nullptr)
        return;
    pa_stream_set_state_callback(stream_, nullptr, nullptr);
    pa_stream_disconnect(stream_);
    pa_stream_unref(stream_);
    stream_ = nullptr;
}

void CuePlayer::AudioThread::dropConnection()
{
    dropStream();
    waiting_.reset();
    if (context_ == nullptr)
        return;
    pa_context_set_state_callback(context_, nullptr, nullptr);
    pa_context_disconnect(context_);
    pa_context_unref(context_);
    context_ = nullptr;
}

void CuePlayer::AudioThread::armTimer(pa_usec_t afterUs,
                                      void (*callback)(pa_mainloop_api*, pa_time_event*, const timeval*, void*))
{
    disarmTimer();
    timeval due{};
    pa_gettimeofday(&due);
    pa_timeval_add(&due, afterUs);
    timer_ = pa_mainloop_get_api(loop_)->time_new(pa_mainloop_get_api(loop_), &due, callback, this);
}

void CuePlayer::AudioThread::disarmTimer()
{
    if (timer_ == nullptr)
        return;
    pa_mainloop_get_api(loop_)->time_free(timer_);
    timer_ = nullptr;
}

void CuePlayer::AudioThread::contextChanged(pa_context* context, void* self)
{
    auto& thread = *static_cast<AudioThread*>(self);
    switch (pa_context_get_state(context)) {
    case PA_CONTEXT_READY: {
        thread.disarmTimer();
        std::optional<Cue> cue;
        cue.swap(thread.waiting_);
        if (cue && cue->fresh())
            thread.startStream(std::move(*cue));
        break;
    }
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
        // Gone or never there; the next cue tries again.
        thread.dropConnection();
        break;
    default:
        break;
    }
}

void CuePlayer::AudioThread::streamChanged(pa_stream* stream, void* self)
{
    auto& thread = *static_cast<AudioThread*>(self);
    if (stream != thread.stream_)
        return;
    switch (pa_stream_get_state(stream)) {
    case PA_STREAM_READY:
        thread.writeCue(stream);
        break;
    case PA_STREAM_FAILED:
    case PA_STREAM_TERMINATED:
        thread.dropStream();
        break;
    default:
        break;
    }
}

void CuePlayer::AudioThread::drained(pa_stream* stream, int success, void* self)
{
    auto& thread = *static_cast<AudioThread*>(self);
    if (thread.drain_ != nullptr) {
        pa_operation_unref(thread.drain_);
        thread.drain_ = nullptr;
    }
    if (stream == thread.stream_ && success != 0)
        thread.armTimer(tailUs, tailPlayed);
}

void CuePlayer::AudioThread::answerOverdue(pa_mainloop_api*, pa_time_event*, const timeval*, void* self)
{
    static_cast<AudioThread*>(self)->dropConnection();
}

void CuePlayer::AudioThread::tailPlayed(pa_mainloop_api*, pa_time_event*, const timeval*, void* self)
{
    // Frees the server's stream, so that an idle sink may suspend.
    static_cast<AudioThread*>(self)->dropStream();
}

CuePlayer::CuePlayer(std::string server) : thread_(std::make_unique<AudioThread>(std::move(server))) {}

CuePlayer::~CuePlayer() = default;

void CuePlayer::play(std::string path)
{
    thread_->post(Request{std::move(path)});
}

void CuePlayer::stop()
{
    thread_->post(Request{});
}

}  // namespace spinzaro
