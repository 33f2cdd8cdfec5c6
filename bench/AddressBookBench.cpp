// How fast and how lean a folder of cards reaches the contact grid: the bytes read from disk
// alone, the server's items alone, and the whole load into the window's own controls.
#include "CardFolders.h"
#include "PeakMemory.h"

#include "automation/Dialogs.h"
#include "automation/ServerFactories.h"
#include "automation/outlook/OutlookApplication.h"
#include "contacts/ContactFolderLoader.h"
#include "contacts/ContactGrid.h"
#include "contacts/ContactsState.h"
#include "servers/address_book/AddressBookApplication.h"
#include "servers/address_book/AddressBookFolder.h"
#include "servers/address_book/FolderChooser.h"
#include "servers/address_book/VCardSource.h"
#include "ui/main_window/ControlSet.h"
#include "ui/main_window/QtContactsView.h"

#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QWidget>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <optional>
#include <utility>
#include <vector>

namespace addrell::bench {

namespace {

using Layout = CardFolders::Layout;
using Mix = CardFolders::Mix;
using Clock = std::chrono::steady_clock;

CardFolders& folders()
{
    static CardFolders instance;
    return instance;
}

const CardFolders::Folder& folderFor(const benchmark::State& state)
{
    return folders().get(state.range(0) == 0 ? Layout::OneFile : Layout::Vdir,
                         state.range(2) == 0 ? Mix::Small : Mix::Export,
                         static_cast<int>(state.range(1)));
}

// Picks the one folder, then cancels, so a folder that is no contacts folder cannot loop.
class OnceFolderChooser : public FolderChooser {
public:
    explicit OnceFolderChooser(QString path) : m_path(std::move(path)) {}
    std::optional<QString> choose() override { return std::exchange(m_path, std::nullopt); }

private:
    std::optional<QString> m_path;
};

class SilentDialogs : public Dialogs {
public:
    MessageResult messageBox(const MessageBoxRequest&) override { return MessageResult::Ok; }
    std::optional<QString> openFile(const OpenFileRequest&) override { return std::nullopt; }
};

// The window's own contact controls (grid, progress bar, status line) on a shown window.
class ContactControls {
public:
    ContactControls() { m_window.show(); }
    [[nodiscard]] QtContactsView& view() { return m_view; }

private:
    QWidget m_window;
    ControlSet m_controls = ControlSet::build(&m_window);
    QtContactsView m_view{m_controls};
};

// The whole road of "Use Contact" after the picker: the rows written into the grid.
std::int32_t loadIntoGrid(const QString& path, ContactControls& controls)
{
    ServerFactories factories;
    factories.outlookApplication = [&path] {
        return std::make_shared<AddressBookApplication>(std::make_shared<OnceFolderChooser>(path));
    };
    ContactsState state;
    SilentDialogs dialogs;
    ContactFolderLoader loader(state, factories, controls.view(), dialogs);
    loader.PickContactFolder();
    QCoreApplication::sendPostedEvents(); // the grid's one deferred change notice
    return controls.view().grid().Rows() - 1;
}

qint64 readBytes(const CardFolders::Folder& folder)
{
    qint64 bytes = 0;
    const VCardSource source(folder.path);
    for (const QString& path : source.files()) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        bytes += file.readAll().size();
    }
    return bytes;
}

// The best of three raw reads of the same bytes, for the "x raw read" ratio of each run.
double rawReadSeconds(const CardFolders::Folder& folder)
{
    double best = 1e9;
    for (int i = 0; i < 3; ++i) {
        const auto start = Clock::now();
        benchmark::DoNotOptimize(readBytes(folder));
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    return best;
}

void setRatio(benchmark::State& state, const CardFolders::Folder& folder, double seconds)
{
    state.counters["x_raw_read"] =
        seconds / static_cast<double>(state.iterations()) / rawReadSeconds(folder);
}

void setCounters(benchmark::State& state, const CardFolders::Folder& folder)
{
    state.SetItemsProcessed(state.iterations() * state.range(1));
    state.SetBytesProcessed(state.iterations() * folder.bytes);
    state.counters["file_MB"] = static_cast<double>(folder.bytes) / 1e6;
}

void BM_ReadBytes(benchmark::State& state)
{
    const CardFolders::Folder& folder = folderFor(state);
    for (auto _ : state) {
        benchmark::DoNotOptimize(readBytes(folder));
    }
    setCounters(state, folder);
}

// The server alone: cards read, mapped and sorted, every row's two texts taken once.
qsizetype serverItems(const CardFolders::Folder& folder)
{
    const auto items = std::make_shared<AddressBookFolder>(folder.path)->Items();
    items->Sort(QStringLiteral("[FileAs]"), Variant(false));
    qsizetype chars = 0;
    items->ForEach([&chars](outlook::Item& item) {
        if (item.Class() == outlook::olContact) {
            chars += item.FullName().size() + item.MailingAddress().size();
        }
    });
    return chars;
}

void BM_ServerItems(benchmark::State& state)
{
    const CardFolders::Folder& folder = folderFor(state);
    double seconds = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        benchmark::DoNotOptimize(serverItems(folder));
        seconds += std::chrono::duration<double>(Clock::now() - start).count();
    }
    setCounters(state, folder);
    setRatio(state, folder, seconds);

    const PeakMemory peak;
    benchmark::DoNotOptimize(serverItems(folder));
    const auto growth = static_cast<double>(peak.peakGrowth());
    state.counters["peak_MB"] = growth / 1e6;
    state.counters["peak_per_file_byte"] = growth / static_cast<double>(folder.bytes);
}

void BM_LoadIntoGrid(benchmark::State& state)
{
    const CardFolders::Folder& folder = folderFor(state);
    std::int32_t rows = 0;
    double seconds = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::optional<ContactControls> controls(std::in_place);
        state.ResumeTiming();
        const auto start = Clock::now();
        rows = loadIntoGrid(folder.path, *controls);
        seconds += std::chrono::duration<double>(Clock::now() - start).count();
        state.PauseTiming();
        controls.reset();
        state.ResumeTiming();
    }
    setCounters(state, folder);
    setRatio(state, folder, seconds);
    state.counters["rows"] = rows;

    // Once more for the memory it takes: the peak above what was there before the load.
    ContactControls controls;
    const PeakMemory peak;
    benchmark::DoNotOptimize(loadIntoGrid(folder.path, controls));
    const auto growth = static_cast<double>(peak.peakGrowth());
    state.counters["peak_MB"] = growth / 1e6;
    state.counters["peak_per_file_byte"] = growth / static_cast<double>(folder.bytes);
}

// Layout (0 one file, 1 vdir) by number of cards by mix (0 small cards, 1 real exports).
const std::vector<std::vector<std::int64_t>> kSizes = {{0, 1}, {10000, 100000}, {1, 0}};

BENCHMARK(BM_ReadBytes)->ArgsProduct(kSizes)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ServerItems)->ArgsProduct(kSizes)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LoadIntoGrid)->ArgsProduct(kSizes)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

} // namespace addrell::bench

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
