// How fast the vCard reader takes a folder of cards apart on its worker threads, against the
// plain read of the same bytes.
#include "CardFolders.h"
#include "RawRead.h"

#include "vcard/VCardSource.h"

#include <QCoreApplication>
#include <QLocale>
#include <benchmark/benchmark.h>

#include <array>
#include <atomic>
#include <chrono>
#include <vector>

namespace addrell::bench {

namespace {

void BM_ReadBytes(benchmark::State& state)
{
    const CardFolders::Folder& folder = CardFolders::forRun(state);
    for (auto _ : state) {
        benchmark::DoNotOptimize(RawRead::bytes(folder));
    }
    RawRead::setCounters(state, folder);
}

// The properties a contact list reads of a card: what the reader keeps when asked for less.
constexpr std::array<QByteArrayView, 7> kContactProperties = {
    "FN", "N", "ORG", "ADR", "LABEL", "KIND", "X-ADDRESSBOOKSERVER-KIND"};

// Every card read on the machine's threads, only the contact list's properties kept.
qsizetype readCards(const CardFolders::Folder& folder)
{
    const VCardSource source(folder.path);
    std::atomic<qsizetype> properties = 0;
    source.readCards(
        VCardPropertyFilter(kContactProperties), VCardSource::Threads(), [](qsizetype) {},
        [&properties](qsizetype, const VCard& card) {
            properties.fetch_add(card.properties().size(), std::memory_order_relaxed);
        });
    return properties.load();
}

void BM_ReadCards(benchmark::State& state)
{
    using Clock = std::chrono::steady_clock;
    const CardFolders::Folder& folder = CardFolders::forRun(state);
    double seconds = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        benchmark::DoNotOptimize(readCards(folder));
        seconds += std::chrono::duration<double>(Clock::now() - start).count();
    }
    RawRead::setCounters(state, folder);
    RawRead::setRatio(state, folder, seconds);
}

// Layout (0 one file, 1 vdir) by number of cards by mix (0 small cards, 1 real exports).
const std::vector<std::vector<std::int64_t>> kSizes = {{0, 1}, {10000, 100000}, {1, 0}};

BENCHMARK(BM_ReadBytes)->ArgsProduct(kSizes)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadCards)->ArgsProduct(kSizes)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

} // namespace addrell::bench

int main(int argc, char** argv)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
