// The audio thread: one request at a time, one stream kept open and corked
// between cues, and a fresh connection whenever the server was lost or
// stopped answering. enter() is the one place that moves between the states
// of AudioThread::State: it arms the deadline of the state entered and drops
// what the state left was waiting on, so no deadline or flush outlives it.
//
//   from                           on                         to
//   disconnected                   the start, or a cue        connecting
//   connecting                     the server's answer        connected, and the cue plays
//   connected                      a cue                      opening
//   opening                        the stream ready           silent, and the cue plays
//   silent, flushing, sounding     a cue                      flushing; opening for another format
//   flushing                       the flush done             sounding; silent if it came late
//   flushing, sounding             a stop, an unplayable cue  silent
//   sounding                       the deadline               silent: the cue has played out
//   connecting, opening, flushing  the deadline               disconnected: the server stalled
//   opening and on                 the stream lost            connected
//   any                            the connection lost        disconnected
#include "audio_thread.h"

#include <pulse/proplist.h>
#include <pulse/timeval.h>

#include <csignal>
#include <filesystem>
#include <utility>

#include <pthread.h>

namespace spinzaro {

// Operations whose answer nobody waits for.
static void forget(pa_operation* operation)
{
    if (operation != nullptr)
        pa_operation_unref(operation);
}

void AudioThread::run()
{
    // Signals are the event thread's business (Ctrl+C, a dying child).
    sigset_t all;
    sigfillset(&all);
    pthread_sigmask(SIG_BLOCK, &all, nullptr);
    pa_mainloop* const loop = pa_mainloop_new();
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
        if (pa_mainloop_iterate(loop_, 1, nullptr) < 0)
            break;
        serveRequest();
    }
    dropConnection();
    {
        const std::lock_guard lock(mutex_);
        loop_ = nullptr;
    }
    pa_mainloop_free(loop);
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
    waiting_.reset();
    std::optional<Wave> wave = request->path.empty() ? std::nullopt : readWave(request->path);
    if (!wave || quit_) {  // a stop, a cue that cannot sound or one read past the end: the last one ends
        silence();
        return;
    }
    play(AskedWave{std::move(*wave), asked, std::filesystem::path(request->path).stem().string()});
}

void AudioThread::enter(State state, pa_usec_t deadlineUs)
{
    state_ = state;
    if (flush_ != nullptr) {
        pa_operation_cancel(flush_);
        pa_operation_unref(std::exchange(flush_, nullptr));
    }
    if (state != State::connecting && state != State::opening)
        waiting_.reset();
    pa_mainloop_api* const api = pa_mainloop_get_api(loop_);
    if (deadline_ != nullptr)
        api->time_free(std::exchange(deadline_, nullptr));
    if (deadlineUs == 0)
        return;
    timeval due{};
    pa_gettimeofday(&due);
    pa_timeval_add(&due, deadlineUs);
    deadline_ = api->time_new(api, &due, deadlinePassed, this);
}

void AudioThread::connect()
{
    // The mixer shows the desktop entry's icon, and the server remembers the
    // player's volume under the component ID. No media role: PulseAudio's
    // stream-restore and WirePlumber's restore-stream both key a stream on
    // its role first, so the game would share its volume with every other
    // program of that role.
    pa_proplist* properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, identity_.name.c_str());
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ID, identity_.id.c_str());
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ICON_NAME, identity_.iconName.c_str());
    context_ = pa_context_new_with_proplist(pa_mainloop_get_api(loop_), identity_.name.c_str(), properties);
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
    enter(State::connecting, answerTimeoutUs);
}

void AudioThread::play(AskedWave cue)
{
    const pa_sample_spec format{PA_SAMPLE_S16NE, static_cast<std::uint32_t>(cue.wave.sampleRate),
                                static_cast<std::uint8_t>(cue.wave.channels)};
    if (cue.wave.channels > static_cast<int>(PA_CHANNELS_MAX) || pa_sample_spec_valid(&format) == 0) {
        silence();
        return;
    }
    switch (state_) {
    case State::disconnected: connect(); break;
    case State::connecting:
    case State::opening: break;
    case State::connected: openStream(format, cue.name); break;
    case State::silent:
    case State::flushing:
    case State::sounding:
        if (pa_sample_spec_equal(&format_, &format) != 0) {
            write(cue);
            return;
        }
        dropStream();
        openStream(format, cue.name);
        break;
    }
    // Waiting on the server now, or given up on it.
    if (state_ == State::connecting || state_ == State::opening)
        waiting_ = std::move(cue);
}

void AudioThread::openStream(const pa_sample_spec& format, const std::string& name)
{
    stream_ = pa_stream_new(context_, name.c_str(), &format, nullptr);
    if (stream_ == nullptr)
        return;
    format_ = format;
    pa_stream_set_state_callback(stream_, streamChanged, this);
    const auto unset = static_cast<std::uint32_t>(-1);
    const pa_buffer_attr buffer{unset, static_cast<std::uint32_t>(pa_usec_to_bytes(targetLatencyUs, &format)), unset,
                                unset, unset};
    const auto flags = static_cast<pa_stream_flags_t>(PA_STREAM_ADJUST_LATENCY | PA_STREAM_START_CORKED);
    if (pa_stream_connect_playback(stream_, nullptr, &buffer, flags, nullptr, nullptr) < 0) {
        dropStream();
        return;
    }
    enter(State::opening, answerTimeoutUs);
}

// What the stream still holds goes, and the cue takes its place whole: the
// server keeps it, so it needs no further word from this thread.
void AudioThread::write(const AskedWave& cue)
{
    enter(State::flushing, answerTimeoutUs);  // first, as it cancels the flush of the cue before
    flush_ = pa_stream_flush(stream_, flushed, this);
    forget(pa_stream_set_name(stream_, cue.name.c_str(), nullptr, nullptr));
    const std::vector<std::int16_t>& samples = cue.wave.samples;
    pa_stream_write(stream_, samples.data(), samples.size() * sizeof(std::int16_t), nullptr, 0, PA_SEEK_RELATIVE);
    written_ = cue.asked;
    writtenUs_ = pa_bytes_to_usec(samples.size() * sizeof(std::int16_t), &format_);
}

// Corked, the stream asks nothing of the sink, which may then suspend. A
// cue still waiting on the server was already dropped by the request.
void AudioThread::silence()
{
    if (state_ != State::flushing && state_ != State::sounding)
        return;
    forget(pa_stream_flush(stream_, nullptr, nullptr));
    forget(pa_stream_cork(stream_, 1, nullptr, nullptr));
    enter(State::silent);
}

// The connection or the stream is ready: the cue that waited for it plays,
// unless it waited so long that it would sound late.
void AudioThread::answered(State next)
{
    std::optional<AskedWave> cue = std::exchange(waiting_, std::nullopt);
    enter(next);
    if (cue && cue->fresh())
        play(std::move(*cue));
}

// A stream the server is still creating cannot be disconnected yet: it goes
// once it is ready, so that no silent stream is left on the server.
void AudioThread::dropStream()
{
    if (stream_ == nullptr)
        return;
    pa_stream_set_state_callback(stream_, leavingStreamChanged, nullptr);
    leavingStreamChanged(std::exchange(stream_, nullptr), nullptr);
    enter(State::connected);
}

void AudioThread::dropConnection()
{
    dropStream();
    if (context_ != nullptr) {
        // Its streams end with it, and their callbacks release them.
        pa_context* const context = std::exchange(context_, nullptr);
        pa_context_set_state_callback(context, nullptr, nullptr);
        pa_context_disconnect(context);
        pa_context_unref(context);
    }
    enter(State::disconnected);
}

// Also one that was never connected, as when the server refused the request.
void AudioThread::leavingStreamChanged(pa_stream* stream, void*)
{
    const pa_stream_state_t state = pa_stream_get_state(stream);
    if (state == PA_STREAM_READY) {
        pa_stream_disconnect(stream);
    } else if (PA_STREAM_IS_GOOD(state) == 0) {
        pa_stream_set_state_callback(stream, nullptr, nullptr);
        pa_stream_unref(stream);
    }
}

void AudioThread::contextChanged(pa_context* context, void* self)
{
    auto& thread = *static_cast<AudioThread*>(self);
    const pa_context_state_t state = pa_context_get_state(context);
    if (state == PA_CONTEXT_READY)
        thread.answered(State::connected);
    else if (PA_CONTEXT_IS_GOOD(state) == 0)  // gone or never there: the next cue tries again
        thread.dropConnection();
}

void AudioThread::streamChanged(pa_stream* stream, void* self)
{
    auto& thread = *static_cast<AudioThread*>(self);
    if (stream != thread.stream_)
        return;
    const pa_stream_state_t state = pa_stream_get_state(stream);
    if (state == PA_STREAM_READY)
        thread.answered(State::silent);
    else if (PA_STREAM_IS_GOOD(state) == 0)
        thread.dropStream();
}

// The server has dropped what the stream held before the cue: it may sound
// now, unless the server took so long that it would sound late. PulseAudio
// may hold back the report of a drain while its sink idles, so the cue's own
// length tells when to cork the stream again; the drain is asked for only
// because it starts a cue shorter than the server's start threshold (a
// trigger instead cut samples off the cue).
void AudioThread::flushed(pa_stream* stream, int success, void* self)
{
    auto& thread = *static_cast<AudioThread*>(self);
    forget(std::exchange(thread.flush_, nullptr));
    if (success == 0 || Clock::now() - thread.written_ >= freshFor) {
        thread.silence();
        return;
    }
    forget(pa_stream_cork(stream, 0, nullptr, nullptr));
    forget(pa_stream_drain(stream, nullptr, nullptr));
    thread.enter(State::sounding, thread.writtenUs_ + tailUs);
}

void AudioThread::deadlinePassed(pa_mainloop_api*, pa_time_event*, const timeval*, void* self)
{
    auto& thread = *static_cast<AudioThread*>(self);
    if (thread.state_ == State::sounding)
        thread.silence();
    else
        thread.dropConnection();
}

}  // namespace spinzaro
