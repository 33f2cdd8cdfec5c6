// How fast and how lean a folder of cards reaches the contact grid: the server's items alone,
// and the whole load into the window's own controls.
#include "CardFolders.h"
#include "PeakMemory.h"
#include "RawRead.h"

#include "automation/Dialogs.h"
#include "automation/ServerFactories.h"
#include "automation/outlook/OutlookApplication.h"
#include "contacts/ContactFolderLoader.h"
#include "contacts/ContactGrid.h"
#include "contacts/ContactsState.h"
#include "servers/address_book/AddressBookApplication.h"
#include "servers/address_book/AddressBookFolder.h"
#include "servers/address_book/chooser/FolderChooser.h"
#include "ui/main_window/adapters/QtContactsView.h"
#include "ui/main_window/layout/ControlSet.h"

#include <QApplication>
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

using Clock = std::chrono::steady_clock;

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
    const CardFolders::Folder& folder = CardFolders::forRun(state);
    double seconds = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        benchmark::DoNotOptimize(serverItems(folder));
        seconds += std::chrono::duration<double>(Clock::now() - start).count();
    }
    RawRead::setCounters(state, folder);
    RawRead::setRatio(state, folder, seconds);

    const PeakMemory peak;
    benchmark::DoNotOptimize(serverItems(folder));
    const auto growth = static_cast<double>(peak.peakGrowth());
    state.counters["peak_MB"] = growth / 1e6;
    state.counters["peak_per_file_byte"] = growth / static_cast<double>(folder.bytes);
}

void BM_LoadIntoGrid(benchmark::State& state)
{
    const CardFolders::Folder& folder = CardFolders::forRun(state);
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
    RawRead::setCounters(state, folder);
    RawRead::setRatio(state, folder, seconds);
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
