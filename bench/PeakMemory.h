#pragma once

#include <cstdint>

namespace addrell::bench {

// The process's resident memory as Linux reports it, with its high-water mark reset on demand,
// so the peak of one operation can be told from the peaks before it.
class PeakMemory {
public:
    // Returns freed heap to the system, then starts a new high-water mark at the current size.
    PeakMemory();

    // How far the resident size rose above its size at construction, in bytes.
    [[nodiscard]] std::int64_t peakGrowth() const;

private:
    std::int64_t m_baseline;
};

} // namespace addrell::bench
