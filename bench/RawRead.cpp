#include "RawRead.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <chrono>

namespace addrell::bench {

namespace {

qint64 readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().size() : 0;
}

// The best of three, so one slow read of a cold cache does not flatter the ratio.
double bestSeconds(const CardFolders::Folder& folder)
{
    using Clock = std::chrono::steady_clock;
    double best = 1e9;
    for (int i = 0; i < 3; ++i) {
        const auto start = Clock::now();
        benchmark::DoNotOptimize(RawRead::bytes(folder));
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    return best;
}

} // namespace

qint64 RawRead::bytes(const CardFolders::Folder& folder)
{
    if (QFileInfo(folder.path).isFile()) {
        return readFile(folder.path);
    }
    qint64 total = 0;
    QDirIterator files(folder.path, {QStringLiteral("*.vcf")}, QDir::Files);
    while (files.hasNext()) {
        total += readFile(files.next());
    }
    return total;
}

void RawRead::setCounters(benchmark::State& state, const CardFolders::Folder& folder)
{
    state.SetItemsProcessed(state.iterations() * state.range(1));
    state.SetBytesProcessed(state.iterations() * folder.bytes);
    state.counters["file_MB"] = static_cast<double>(folder.bytes) / 1e6;
}

void RawRead::setRatio(benchmark::State& state, const CardFolders::Folder& folder, double seconds)
{
    state.counters["x_raw_read"] =
        seconds / static_cast<double>(state.iterations()) / bestSeconds(folder);
}

} // namespace addrell::bench
