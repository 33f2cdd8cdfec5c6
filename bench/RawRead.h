#pragma once

#include "CardFolders.h"

#include <benchmark/benchmark.h>

namespace addrell::bench {

// The card files read plainly into memory: the yardstick each load is measured against.
class RawRead {
public:
    RawRead() = delete;

    // Every byte of the folder's `.vcf` files, read once.
    [[nodiscard]] static qint64 bytes(const CardFolders::Folder& folder);
    // Cards, bytes and file size per iteration for a run over `folder` (range 1 is the count).
    static void setCounters(benchmark::State& state, const CardFolders::Folder& folder);
    // "x_raw_read": how many plain reads of the same files one iteration of `seconds` took.
    static void setRatio(benchmark::State& state, const CardFolders::Folder& folder,
                         double seconds);
};

} // namespace addrell::bench
