// The cue player PipeWire's own library would make: one pw_stream, inactive
// between cues, fed from the library's thread and paused once drained.
#include "cue_candidates.h"
#include "wave_file.h"

#include <pipewire/pipewire.h>
#include <spa/param/audio/format-utils.h>

#include <algorithm>
#include <cstring>

namespace spinzaro::bench {
namespace {

class PipeWireStream final : public CueCandidate {
public:
    PipeWireStream()
    {
        pw_init(nullptr, nullptr);
        loop_ = pw_thread_loop_new("cue bench", nullptr);
        // The quantum pipewire-pulse settles at for the libpulse players.
        pw_properties* properties =
            pw_properties_new(PW_KEY_MEDIA_TYPE, "Audio", PW_KEY_MEDIA_CATEGORY, "Playback", PW_KEY_MEDIA_ROLE, "Game",
                              PW_KEY_NODE_LATENCY, "256/48000", nullptr);
        events_.version = PW_VERSION_STREAM_EVENTS;
        events_.process = process;
        events_.drained = drained;
        stream_ = pw_stream_new_simple(pw_thread_loop_get_loop(loop_), "cue bench", properties, &events_, this);
        std::uint8_t buffer[1024];
        spa_pod_builder builder = SPA_POD_BUILDER_INIT(buffer, sizeof buffer);
        spa_audio_info_raw format{};
        format.format = SPA_AUDIO_FORMAT_S16;
        format.rate = 44100;
        format.channels = 1;
        const spa_pod* parameters[] = {spa_format_audio_raw_build(&builder, SPA_PARAM_EnumFormat, &format)};
        pw_thread_loop_lock(loop_);
        pw_thread_loop_start(loop_);
        pw_stream_connect(stream_, PW_DIRECTION_OUTPUT, PW_ID_ANY,
                          static_cast<pw_stream_flags>(PW_STREAM_FLAG_AUTOCONNECT | PW_STREAM_FLAG_MAP_BUFFERS |
                                                       PW_STREAM_FLAG_INACTIVE),
                          parameters, 1);
        pw_thread_loop_unlock(loop_);
    }
    ~PipeWireStream() override
    {
        pw_thread_loop_stop(loop_);
        pw_stream_destroy(stream_);
        pw_thread_loop_destroy(loop_);
    }
    const char* name() const override { return "libpipewire: one pw_stream kept, inactive between cues"; }
    void play(const std::string& path) override
    {
        auto wave = readWave(path);
        pw_thread_loop_lock(loop_);
        samples_ = std::move(wave->samples);
        at_ = 0;
        draining_ = false;
        pw_stream_set_active(stream_, true);
        pw_thread_loop_unlock(loop_);
    }

private:
    static void process(void* self)
    {
        auto& player = *static_cast<PipeWireStream*>(self);
        pw_buffer* buffer = pw_stream_dequeue_buffer(player.stream_);
        if (buffer == nullptr)
            return;
        spa_data& data = buffer->buffer->datas[0];
        auto* out = static_cast<std::int16_t*>(data.data);
        std::size_t frames = data.maxsize / sizeof(std::int16_t);
        if (buffer->requested != 0)
            frames = std::min<std::size_t>(frames, buffer->requested);
        const std::size_t taken = std::min(frames, player.samples_.size() - player.at_);
        std::memcpy(out, player.samples_.data() + player.at_, taken * sizeof(std::int16_t));
        std::memset(out + taken, 0, (frames - taken) * sizeof(std::int16_t));
        player.at_ += taken;
        data.chunk->offset = 0;
        data.chunk->stride = sizeof(std::int16_t);
        data.chunk->size = static_cast<std::uint32_t>(frames * sizeof(std::int16_t));
        pw_stream_queue_buffer(player.stream_, buffer);
        if (player.at_ == player.samples_.size() && !player.draining_) {
            player.draining_ = true;
            pw_stream_flush(player.stream_, true);
        }
    }
    static void drained(void* self)
    {
        auto& player = *static_cast<PipeWireStream*>(self);
        if (player.draining_)
            pw_stream_set_active(player.stream_, false);
    }

    pw_thread_loop* loop_ = nullptr;
    pw_stream* stream_ = nullptr;
    pw_stream_events events_{};
    std::vector<std::int16_t> samples_;
    std::size_t at_ = 0;
    bool draining_ = false;
};

}  // namespace

std::unique_ptr<CueCandidate> pipeWireStream()
{
    return std::make_unique<PipeWireStream>();
}

}  // namespace spinzaro::bench
