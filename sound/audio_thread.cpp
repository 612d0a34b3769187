// The audio thread: one request at a time, one stream per cue, and a fresh
// connection whenever the server was lost or stopped answering.
#include "audio_thread.h"

#include <csignal>
#include <utility>

#include <pthread.h>

namespace spinzaro {
namespace {

// Found before the thread's loop is made; nothing below runs without them.
const SoundLibraries& lib()
{
    return *soundLibraries();
}

}  // namespace

void AudioThread::run()
{
    // Signals are the event thread's business (Ctrl+C, a dying child).
    sigset_t all;
    sigfillset(&all);
    pthread_sigmask(SIG_BLOCK, &all, nullptr);
    if (soundLibraries() == nullptr)
        return;
    pa_mainloop* const loop = lib().pa_mainloop_new();
    if (loop == nullptr)
        return;
    {
        const std::lock_guard lock(mutex_);
        loop_ = loop;
    }
    // Connecting before the first cue spares it that wait.
    connect();
    serveRequest();  // one posted before the loop was there
    while (!quit_) {
        if (lib().pa_mainloop_iterate(loop_, 1, nullptr) < 0)
            break;
        serveRequest();
    }
    dropConnection();
    {
        const std::lock_guard lock(mutex_);
        loop_ = nullptr;
    }
    lib().pa_mainloop_free(loop);
}

void AudioThread::serveRequest()
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
    if (context_ != nullptr && lib().pa_context_get_state(context_) == PA_CONTEXT_READY) {
        startStream(std::move(cue));
        return;
    }
    waiting_ = std::move(cue);
    if (context_ == nullptr)
        connect();
}

void AudioThread::connect()
{
    pa_proplist* properties = lib().pa_proplist_new();
    lib().pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, "Spinzaro");
    lib().pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "game");
    context_ = lib().pa_context_new_with_proplist(lib().pa_mainloop_get_api(loop_), "Spinzaro", properties);
    lib().pa_proplist_free(properties);
    if (context_ == nullptr)
        return;
    lib().pa_context_set_state_callback(context_, contextChanged, this);
    // Never start a server of our own: the desktop runs one, or there is no sound.
    if (lib().pa_context_connect(context_, server_.empty() ? nullptr : server_.c_str(), PA_CONTEXT_NOAUTOSPAWN,
                                 nullptr) < 0) {
        dropConnection();
        return;
    }
    armTimer(answerTimer_, answerTimeoutUs, answerOverdue);
}

void AudioThread::startStream(Cue cue)
{
    const pa_sample_spec format{PA_SAMPLE_S16NE, static_cast<std::uint32_t>(cue.wave.sampleRate),
                                static_cast<std::uint8_t>(cue.wave.channels)};
    if (cue.wave.channels > static_cast<int>(PA_CHANNELS_MAX) || lib().pa_sample_spec_valid(&format) == 0)
        return;
    stream_ = lib().pa_stream_new(context_, "cue", &format, nullptr);
    if (stream_ == nullptr)
        return;
    lib().pa_stream_set_state_callback(stream_, streamChanged, this);
    const auto unset = static_cast<std::uint32_t>(-1);
    const pa_buffer_attr buffer{unset, static_cast<std::uint32_t>(lib().pa_usec_to_bytes(targetLatencyUs, &format)),
                                unset, unset, unset};
    if (lib().pa_stream_connect_playback(stream_, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr) < 0) {
        dropStream();
        return;
    }
    waiting_ = std::move(cue);
    armTimer(answerTimer_, answerTimeoutUs, answerOverdue);
}

void AudioThread::writeCue(pa_stream* stream)
{
    disarmTimer(answerTimer_);
    if (!waiting_ || !waiting_->fresh()) {
        dropStream();
        return;
    }
    const std::vector<std::int16_t>& samples = waiting_->wave.samples;
    // All at once: the server buffers it, so the cue needs no further word
    // from this thread and survives a busy client.
    lib().pa_stream_write(stream, samples.data(), samples.size() * sizeof(std::int16_t), nullptr, 0, PA_SEEK_RELATIVE);
    waiting_.reset();
    // Draining also starts a cue shorter than the server's start threshold.
    drain_ = lib().pa_stream_drain(stream, drained, this);
}

void AudioThread::dropStream()
{
    disarmTimer(tailTimer_);
    if (drain_ != nullptr) {
        lib().pa_operation_cancel(drain_);
        lib().pa_operation_unref(drain_);
        drain_ = nullptr;
    }
    if (stream_ == nullptr)
        return;
    // A stream exists only on a ready connection: any deadline was its own.
    disarmTimer(answerTimer_);
    letStreamGo(std::exchange(stream_, nullptr));
}

// A stream the server is still creating cannot be disconnected yet: it goes
// once it is ready, so that no silent stream is left on the server.
void AudioThread::letStreamGo(pa_stream* stream)
{
    lib().pa_stream_set_state_callback(stream, leavingStreamChanged, nullptr);
    leavingStreamChanged(stream, nullptr);
}

void AudioThread::leavingStreamChanged(pa_stream* stream, void*)
{
    switch (lib().pa_stream_get_state(stream)) {
    case PA_STREAM_READY: lib().pa_stream_disconnect(stream); break;
    case PA_STREAM_FAILED:
    case PA_STREAM_TERMINATED:
        lib().pa_stream_set_state_callback(stream, nullptr, nullptr);
        lib().pa_stream_unref(stream);
        break;
    default: break;
    }
}

void AudioThread::dropConnection()
{
    dropStream();
    waiting_.reset();
    disarmTimer(answerTimer_);
    if (context_ == nullptr)
        return;
    // Its streams end with it, and their callbacks release them.
    pa_context* const context = std::exchange(context_, nullptr);
    lib().pa_context_set_state_callback(context, nullptr, nullptr);
    lib().pa_context_disconnect(context);
    lib().pa_context_unref(context);
}

void AudioThread::armTimer(pa_time_event*& timer, pa_usec_t afterUs,
                           void (*callback)(pa_mainloop_api*, pa_time_event*, const timeval*, void*))
{
    disarmTimer(timer);
    timeval due{};
    lib().pa_gettimeofday(&due);
    lib().pa_timeval_add(&due, afterUs);
    timer = lib().pa_mainloop_get_api(loop_)->time_new(lib().pa_mainloop_get_api(loop_), &due, callback, this);
}

void AudioThread::disarmTimer(pa_time_event*& timer)
{
    if (timer == nullptr)
        return;
    lib().pa_mainloop_get_api(loop_)->time_free(timer);
    timer = nullptr;
}

void AudioThread::contextChanged(pa_context* context, void* self)
{
    auto& thread = *static_cast<AudioThread*>(self);
    switch (lib().pa_context_get_state(context)) {
    case PA_CONTEXT_READY: {
        thread.disarmTimer(thread.answerTimer_);
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
    default: break;
    }
}

void AudioThread::streamChanged(pa_stream* stream, void* self)
{
    auto& thread = *static_cast<AudioThread*>(self);
    if (stream != thread.stream_)
        return;
    switch (lib().pa_stream_get_state(stream)) {
    case PA_STREAM_READY: thread.writeCue(stream); break;
    case PA_STREAM_FAILED:
    case PA_STREAM_TERMINATED: thread.dropStream(); break;
    default: break;
    }
}

void AudioThread::drained(pa_stream* stream, int success, void* self)
{
    auto& thread = *static_cast<AudioThread*>(self);
    if (thread.drain_ != nullptr) {
        lib().pa_operation_unref(thread.drain_);
        thread.drain_ = nullptr;
    }
    if (stream == thread.stream_ && success != 0)
        thread.armTimer(thread.tailTimer_, tailUs, tailPlayed);
}

void AudioThread::answerOverdue(pa_mainloop_api*, pa_time_event*, const timeval*, void* self)
{
    static_cast<AudioThread*>(self)->dropConnection();
}

void AudioThread::tailPlayed(pa_mainloop_api*, pa_time_event*, const timeval*, void* self)
{
    // Frees the server's stream, so that an idle sink may suspend.
    static_cast<AudioThread*>(self)->dropStream();
}

}  // namespace spinzaro
