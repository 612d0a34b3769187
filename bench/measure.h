// Clocks, process figures and order statistics shared by the benchmark programs.
#pragma once

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace spinzaro::bench {

// Milliseconds on the clock for intervals inside one process.
inline double monotonicMs()
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// Milliseconds since this process image was started: the runner stamps the
// wall clock into SPINZARO_BENCH_EXEC_US ("seconds.micros", as bash's
// EPOCHREALTIME) just before exec. Not a number without the stamp.
inline double msSinceProcessStart()
{
    const char* stamp = std::getenv("SPINZARO_BENCH_EXEC_US");
    if (stamp == nullptr || *stamp == '\0')
        return NAN;
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return std::chrono::duration<double, std::milli>(now).count() - std::strtod(stamp, nullptr) * 1e3;
}

// The process's peak resident memory in KiB (VmHWM of /proc/self/status), or -1.
inline double peakResidentKb()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtod(line.c_str() + 6, nullptr);
    return -1;
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

// Results go to stdout as "key=value" lines, which bench/run.sh collects.
inline void report(const char* key, const std::string& value)
{
    std::printf("%s=%s\n", key, value.c_str());
    std::fflush(stdout);
}

inline void report(const char* key, double value)
{
    report(key, std::to_string(value));
}

}  // namespace spinzaro::bench
