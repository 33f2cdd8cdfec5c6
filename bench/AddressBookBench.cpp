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

#include <optional>
#include <utility>
#include <vector>

namespace addrell::bench {

namespace {

using Layout = CardFolders::Layout;

CardFolders& folders()
{
    static CardFolders instance;
    return instance;
}

const CardFolders::Folder& folderFor(const benchmark::State& state)
{
    return folders().get(state.range(0) == 0 ? Layout::OneFile : Layout::Vdir,
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
        qint64 bytes = 0;
        const VCardSource source(folder.path);
        for (const QString& path : source.files()) {
            QFile file(path);
            file.open(QIODevice::ReadOnly);
            bytes += file.readAll().size();
        }
        benchmark::DoNotOptimize(bytes);
    }
    setCounters(state, folder);
}

void BM_ServerItems(benchmark::State& state)
{
    const CardFolders::Folder& folder = folderFor(state);
    for (auto _ : state) {
        const auto items = std::make_shared<AddressBookFolder>(folder.path)->Items();
        items->Sort(QStringLiteral("[FileAs]"), Variant(false));
        qsizetype chars = 0;
        items->ForEach([&chars](outlook::Item& item) {
            if (item.Class() == outlook::olContact) {
                chars += item.FullName().size() + item.MailingAddress().size();
            }
        });
        benchmark::DoNotOptimize(chars);
    }
    setCounters(state, folder);
}

void BM_LoadIntoGrid(benchmark::State& state)
{
    const CardFolders::Folder& folder = folderFor(state);
    std::int32_t rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::optional<ContactControls> controls(std::in_place);
        state.ResumeTiming();
        rows = loadIntoGrid(folder.path, *controls);
        state.PauseTiming();
        controls.reset();
        state.ResumeTiming();
    }
    setCounters(state, folder);
    state.counters["rows"] = rows;

    // Once more for the memory it takes: the peak above what was there before the load.
    ContactControls controls;
    const PeakMemory peak;
    benchmark::DoNotOptimize(loadIntoGrid(folder.path, controls));
    const auto growth = static_cast<double>(peak.peakGrowth());
    state.counters["peak_MB"] = growth / 1e6;
    state.counters["peak_per_file_byte"] = growth / static_cast<double>(folder.bytes);
}

// Layout (0 one file, 1 vdir) by number of cards.
const std::vector<std::vector<std::int64_t>> kSizes = {{0, 1}, {1000, 10000, 100000}};

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
