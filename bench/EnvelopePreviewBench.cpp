// How long the options dialog's preview takes to redraw after an option changes: the envelope
// built afresh from the options and the texts, and drawn as an image the size of the preview.
#include "envelopes/EnvelopeSizes.h"
#include "printing/EnvelopeOptions.h"
#include "printing/preview/EnvelopePreview.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace addrell::bench {

namespace {

const QString kReturn = QStringLiteral("Pat Sender\r\nSender & Daughters Ltd\r\n1 Main St\r\n"
                                       "Springfield, ST  12345");
const QString kDelivery =
    QStringLiteral("Contact Number 42\r\nAccounts Payable\r\n42 Long Street\r\n"
                   "Suite 1200\r\nSpringfield, ST  12345");
// A #10 envelope about 480 pixels wide, as a dialog shows it.
constexpr double kPreviewDotsPerInch = 50.0;

// Each iteration is one change the user makes: the next size, font size, position or shift.
void BM_PreviewAfterAnOptionChanges(benchmark::State& state)
{
    const auto& sizes = EnvelopeSizes::all();
    std::size_t change = 0;
    qint64 pixels = 0;
    for (auto _ : state) {
        EnvelopeOptions options;
        options.setSize(sizes[change % sizes.size()]);
        AddressFont font = options.deliveryFont();
        font.setPointSize(10.0 + static_cast<double>(change % 7));
        font.setBold(change % 2 == 1);
        options.setDeliveryFont(font);
        if (state.range(0) == 1) {
            options.setDeliveryPosition(QPointF(200.0 + static_cast<double>(change % 5), 110.0));
            options.setPrinterShift(QPointF(static_cast<double>(change % 3), -1.0));
        }
        const QImage image =
            EnvelopePreview(options, kReturn, kDelivery).toImage(kPreviewDotsPerInch);
        pixels += image.width() * image.height();
        benchmark::DoNotOptimize(image.constBits());
        ++change;
    }
    state.counters["pixels"] =
        benchmark::Counter(static_cast<double>(pixels), benchmark::Counter::kAvgIterations);
}

// 0: both addresses placed automatically; 1: the delivery address placed by hand, shifted.
BENCHMARK(BM_PreviewAfterAnOptionChanges)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

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
