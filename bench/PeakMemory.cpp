#include "PeakMemory.h"

#include <malloc.h>

#include <fstream>
#include <string>

namespace addrell::bench {

namespace {

// A "Vm...:" line of /proc/self/status, in bytes.
std::int64_t statusBytes(const std::string& field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0) {
            return std::stoll(line.substr(field.size())) * 1024;
        }
    }
    return 0;
}

} // namespace

PeakMemory::PeakMemory()
{
    malloc_trim(0);
    m_baseline = statusBytes("VmRSS:");
    // Writing 5 resets VmHWM to the current resident size (Linux 4.0 and later).
    std::ofstream("/proc/self/clear_refs") << "5";
}

std::int64_t PeakMemory::peakGrowth() const
{
    return statusBytes("VmHWM:") - m_baseline;
}

} // namespace addrell::bench
