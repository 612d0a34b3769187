// Clocks, process figures and order statistics shared by the benchmark programs.
#pragma once

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace spinzaro::bench {

template <typename Clock>
std::int64_t nanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch()).count();
}

// The clock for intervals inside one process.
inline std::int64_t monotonicNs()
{
    return nanoseconds<std::chrono::steady_clock>();
}

inline double toMs(std::int64_t ns)
{
    return static_cast<double>(ns) / 1e6;
}

// Milliseconds since this process image was started: the runner stamps the
// wall clock into SPINZARO_BENCH_EXEC_US ("seconds.micros", as bash's
// EPOCHREALTIME) just before exec. Not a number without the stamp.
inline double msSinceProcessStart()
{
    const char* stamp = std::getenv("SPINZARO_BENCH_EXEC_US");
    if (stamp == nullptr || *stamp == '\0')
        return NAN;
    return static_cast<double>(nanoseconds<std::chrono::system_clock>()) / 1e6 - std::strtod(stamp, nullptr) * 1e3;
}

// A "Name:   value kB" line of /proc/self/status.
inline std::optional<long> statusField(const std::string& name)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(name + ":", 0) == 0)
            return std::strtol(line.c_str() + name.size() + 1, nullptr, 10);
    }
    return std::nullopt;
}

// Nearest-rank percentile, p in (0, 100].
inline double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return NAN;
    std::sort(values.begin(), values.end());
    const auto rank = static_cast<std::size_t>(std::ceil(p / 100.0 * static_cast<double>(values.size())));
    return values[std::clamp<std::size_t>(rank, 1, values.size()) - 1];
}

inline double median(const std::vector<double>& values)
{
    return percentile(values, 50);
}

// Results go to stdout as "key=value" lines, which bench/run.sh collects.
inline void report(const char* key, double value)
{
    std::printf("%s=%.4f\n", key, value);
    std::fflush(stdout);
}

inline void report(const char* key, const std::string& value)
{
    std::printf("%s=%s\n", key, value.c_str());
    std::fflush(stdout);
}

}  // namespace spinzaro::bench
