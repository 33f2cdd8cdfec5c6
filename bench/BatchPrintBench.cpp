// How long printing a selection of contacts takes, from the selected rows to the one job handed
// to the print server: every envelope's arguments, the pages drawn into one PDF, the spool file.
#include "automation/Dialogs.h"
#include "automation/ServerFactories.h"
#include "printing/EnvelopePrintJob.h"
#include "printing/PrintView.h"
#include "printing/SelectionView.h"
#include "printing/WordInstance.h"
#include "printing/WordState.h"
#include "servers/envelope_printer/EnvelopePrinterApplication.h"
#include "servers/envelope_printer/EnvelopePrinterBackend.h"
#include "servers/envelope_printer/EnvelopePrinterGlobal.h"
#include "servers/envelope_printer/destinations/PdfSaveLocation.h"
#include "servers/envelope_printer/destinations/PrintSpooler.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include <numeric>

namespace addrell::bench {

namespace {

// Numbered contacts, every one of them selected.
class SelectedRows : public SelectionView, public PrintView {
public:
    explicit SelectedRows(std::int32_t contacts) : m_rows(static_cast<std::size_t>(contacts))
    {
        std::iota(m_rows.begin(), m_rows.end(), 1);
    }
    std::vector<std::int32_t> selectedRows() const override { return m_rows; }
    QString recipient(std::int32_t row) const override
    {
        return QStringLiteral("Contact Number %1\r\n%1 Long Street\r\nSpringfield, ST  12345")
            .arg(row);
    }
    bool hasAddress(std::int32_t) const override { return true; }
    QString status() const override { return m_status; }
    void setStatus(const QString& text) override { m_status = text; }
    void setProgress(int, int) override {}
    bool printCenterSelected() const override { return false; }
    QString addressText() const override { return {}; }
    QString returnText() const override { return QStringLiteral("Pat Sender\r\n1 Main St"); }

private:
    std::vector<std::int32_t> m_rows;
    QString m_status;
};

// The print server takes every job; the size of the spool file is what it was handed.
class TakingSpooler : public PrintSpooler, public PdfSaveLocation {
public:
    std::optional<QString> defaultPrinter() override { return QStringLiteral("Bench"); }
    PrinterAvailability availability(const QString&) override
    {
        return PrinterAvailability::Accepting;
    }
    std::optional<SpoolFailure> submit(const QString&, const QString& pdf, const QString&,
                                       const PrintOptions&) override
    {
        bytes = QFileInfo(pdf).size();
        return std::nullopt;
    }
    std::optional<QString> askPdfFileName() override { return std::nullopt; }
    qint64 bytes = 0;
};

class YesDialogs : public Dialogs {
public:
    MessageResult messageBox(const MessageBoxRequest&) override { return MessageResult::Yes; }
    std::optional<QString> openFile(const OpenFileRequest&) override { return std::nullopt; }
};

void BM_PrintSelection(benchmark::State& state)
{
    const auto spooler = std::make_shared<TakingSpooler>();
    ServerFactories factories;
    factories.wordApplication = [spooler] {
        return EnvelopePrinterApplication::create(
            {PrintTarget::defaultPrinter(), spooler, spooler});
    };
    factories.wordGlobal = [] { return std::make_shared<EnvelopePrinterGlobal>(); };
    YesDialogs dialogs;
    SelectedRows rows(static_cast<std::int32_t>(state.range(0)));
    WordState word;
    WordInstance instance(word, factories, dialogs);
    EnvelopePrintJob job(word, instance, factories, rows, rows, dialogs);
    for (auto _ : state) {
        job.cmdPrint_Click();
    }
    state.counters["pdf_kB"] = static_cast<double>(spooler->bytes) / 1024.0;
    state.counters["envelopes/s"] = benchmark::Counter(
        static_cast<double>(state.range(0) * state.iterations()), benchmark::Counter::kIsRate);
}

BENCHMARK(BM_PrintSelection)->Arg(500)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

} // namespace addrell::bench

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
