// A private sound server and a recorder of its sink, for sound tests and benchmarks.
#include "sound_server.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace spinzaro::testing {

pid_t spawn(const std::vector<std::string>& arguments, int* output, int* input)
{
    int pipeEnds[2] = {-1, -1};
    int inputEnds[2] = {-1, -1};
    if (output != nullptr && ::pipe2(pipeEnds, O_CLOEXEC) != 0)
        return -1;
    if (input != nullptr && ::pipe2(inputEnds, O_CLOEXEC) != 0)
        return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int quiet = ::open("/dev/null", O_RDWR);
        ::dup2(input != nullptr ? inputEnds[0] : quiet, STDIN_FILENO);
        ::dup2(output != nullptr ? pipeEnds[1] : quiet, STDOUT_FILENO);
        ::dup2(quiet, STDERR_FILENO);
        std::vector<char*> argv;
        for (const std::string& argument : arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        ::execvp(argv[0], argv.data());
        ::_exit(127);
    }
    if (output != nullptr) {
        ::close(pipeEnds[1]);
        *output = pipeEnds[0];
    }
    if (input != nullptr) {
        ::close(inputEnds[0]);
        *input = inputEnds[1];
    }
    return pid;
}

namespace {

int runToEnd(const std::vector<std::string>& arguments)
{
    const pid_t pid = spawn(arguments);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

void sleepMs(int milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

bool waitFor(const std::function<bool()>& condition, int milliseconds)
{
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > until)
            return false;
        sleepMs(20);
    }
    return true;
}

SoundServer::SoundServer(ServerKind kind) : kind_(kind)
{
    char pattern[] = "/tmp/spinzaro-sound-XXXXXX";
    folder_ = ::mkdtemp(pattern);
    address_ = "unix:" + folder_ + "/pulse/native";
}

SoundServer::~SoundServer()
{
    kill();
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

const char* SoundServer::name(ServerKind kind)
{
    return kind == ServerKind::pulseAudio ? "PulseAudio" : "PipeWire";
}

std::string SoundServer::missing(ServerKind kind)
{
    const std::vector<std::string> tools =
        kind == ServerKind::pulseAudio
            ? std::vector<std::string>{"pulseaudio", "pactl", "pacat"}
            : std::vector<std::string>{"pipewire", "pipewire-pulse", "wireplumber", "dbus-daemon", "pactl", "pacat"};
    std::string absent;
    for (const std::string& tool : tools)
        if (runToEnd({"sh", "-c", "command -v " + tool}) != 0)
            absent += (absent.empty() ? "" : ", ") + tool;
    return absent.empty() ? "" : absent + " not installed";
}

pid_t SoundServer::run(const std::string& process, const std::vector<std::string>& arguments)
{
    // Its own runtime folder, home and session bus, so it neither meets nor
    // blocks another server.
    std::vector<std::string> command = {"env", "XDG_RUNTIME_DIR=" + folder_, "PIPEWIRE_RUNTIME_DIR=" + folder_,
                                        "HOME=" + folder_, "DBUS_SESSION_BUS_ADDRESS=unix:path=" + folder_ + "/bus"};
    command.insert(command.end(), arguments.begin(), arguments.end());
    const pid_t pid = spawn(command);
    pids_.emplace_back(process, pid);
    return pid;
}

bool SoundServer::start()
{
    kill();
    std::error_code ignored;
    std::filesystem::remove_all(folder_ + "/pulse", ignored);
    std::filesystem::create_directory(folder_ + "/pulse");
    if (kind_ == ServerKind::pulseAudio) {
        run("pulseaudio", {"pulseaudio", "-n", "--daemonize=no", "--use-pid-file=no", "--exit-idle-time=-1",
                           "--load=module-null-sink", "--load=module-suspend-on-idle timeout=1",
                           "--load=module-native-protocol-unix auth-anonymous=1 socket=" + folder_ + "/pulse/native"});
    } else {
        // WirePlumber's remembered default sink, too, would outvote the new
        // null sink's on a restart.
        for (const char* stale : {"/bus", "/pipewire-0", "/pipewire-0.lock", "/.local"})
            std::filesystem::remove_all(folder_ + stale, ignored);
        // Each finds the one before through the runtime folder and the bus,
        // and gives up if it is not there yet.
        const auto listening = [this](const char* socket) {
            return waitFor([&] { return std::filesystem::exists(folder_ + socket); }, 20'000);
        };
        run("dbus-daemon", {"dbus-daemon", "--session", "--nofork", "--address=unix:path=" + folder_ + "/bus"});
        listening("/bus");
        run("pipewire", {"pipewire"});
        listening("/pipewire-0");
        run("wireplumber", {"wireplumber"});
        run("pipewire-pulse", {"pipewire-pulse"});
    }
    if (!waitFor([this] { return answers(); }, 20'000))
        return false;
    if (kind_ == ServerKind::pipeWire) {
        // WirePlumber suspends an idle sink after this; its default is 5 s.
        pactl({"load-module", "module-null-sink", "sink_name=silent",
               "sink_properties=session.suspend-timeout-seconds=1"});
        pactl({"set-default-sink", "silent"});
        return waitFor([this] { return pactl({"get-default-sink"}) == "silent\n"; }, 20'000);
    }
    return true;
}

void SoundServer::kill()
{
    // The last started first: a client dies before the server it talks to.
    for (auto process = pids_.rbegin(); process != pids_.rend(); ++process) {
        ::kill(process->second, SIGKILL);
        ::waitpid(process->second, nullptr, 0);
    }
    pids_.clear();
}

std::vector<std::string> SoundServer::processes() const
{
    if (kind_ == ServerKind::pulseAudio)
        return {"pulseaudio"};
    return {"pipewire-pulse", "pipewire"};
}

void SoundServer::pause(const std::string& process)
{
    for (const auto& [name, pid] : pids_)
        if (name == process)
            ::kill(pid, SIGSTOP);
}

void SoundServer::resume(const std::string& process)
{
    for (const auto& [name, pid] : pids_)
        if (name == process)
            ::kill(pid, SIGCONT);
}

std::string SoundServer::pactl(const std::vector<std::string>& arguments) const
{
    std::vector<std::string> command = {"timeout", "5", "pactl", "--server=" + address_};
    command.insert(command.end(), arguments.begin(), arguments.end());
    int output = -1;
    const pid_t pid = spawn(command, &output);
    std::string text;
    char buffer[4096];
    for (ssize_t got; (got = ::read(output, buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(got));
    ::close(output);
    ::waitpid(pid, nullptr, 0);
    return text;
}

bool SoundServer::answers() const
{
    return runToEnd({"timeout", "5", "pactl", "--server=" + address_, "info"}) == 0;
}

int SoundServer::playbackStreams() const
{
    const std::string listed = pactl({"list", "short", "sink-inputs"});
    return static_cast<int>(std::count(listed.begin(), listed.end(), '\n'));
}

bool SoundServer::sinkSuspended() const
{
    return pactl({"list", "short", "sinks"}).find("SUSPENDED") != std::string::npos;
}

}  // namespace spinzaro::testing
