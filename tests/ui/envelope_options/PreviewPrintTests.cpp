#include "ScriptedDialogs.h"
#include "TempFiles.h"
#include "automation/ServerFactories.h"
#include "envelopes/EnvelopeSizes.h"
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
#include "ui/envelope_options/EnvelopeOptionsDialog.h"
#include "ui/envelope_options/FontChooser.h"
#include "ui/envelope_options/PreviewPane.h"

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace addrell {
namespace {

constexpr int kDotsPerInch = 60;
const QString kReturn = QStringLiteral("Pat Example\r\nPO Box 0\r\nSpringfield, ST 00000");
const QString kDelivery = QStringLiteral("Jo Recipient\r\n5 Elm St\r\nTown, ST  00001");

// The single page of a PDF as poppler draws it.
QImage rasterise(const QString& pdf)
{
    QProcess pdftoppm;
    pdftoppm.start(QStringLiteral("pdftoppm"),
                   {QStringLiteral("-r"), QString::number(kDotsPerInch), QStringLiteral("-png"),
                    QStringLiteral("-singlefile"), pdf, pdf});
    pdftoppm.waitForFinished();
    return QImage(pdf + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

// The print job and the envelope printer, a PDF saved where the test says: the envelope exactly
// as Print sends it when the options say "Save as PDF".
class PrintedEnvelope : PrintView, SelectionView, PrintSpooler, PdfSaveLocation, FontChooser {
public:
    QImage print(const EnvelopeOptions& options)
    {
        ServerFactories servers;
        const std::shared_ptr<void> unowned; // this object outlives the server
        servers.wordApplication = [this, unowned] {
            return EnvelopePrinterApplication::create(
                {PrintTarget::defaultPrinter(), {unowned, this}, {unowned, this}});
        };
        servers.wordGlobal = [] { return std::make_shared<EnvelopePrinterGlobal>(); };
        testing::ScriptedDialogs dialogs;
        dialogs.setNextAnswer(MessageResult::Yes); // "Print Envelope?"
        WordState state;
        WordInstance instance(state, servers, dialogs);
        EnvelopePrintJob job(state, instance, servers, *this, *this, dialogs);
        job.setOptions(options);
        job.cmdPrint_Click();
        EXPECT_EQ(dialogs.messageTexts(), QStringList{"Print Envelope?"});
        return rasterise(m_printed);
    }

    // The dialog's preview drawn into a PDF of its page size, as the printer draws a page.
    QImage preview(const EnvelopeOptions& options)
    {
        const EnvelopeOptionsDialog dialog(options, {}, *this, {kReturn, kDelivery},
                                           MeasurementUnit::inches());
        const std::optional<EnvelopePreview> shown = dialog.preview().envelope();
        EXPECT_TRUE(shown.has_value());
        QPdfWriter writer(m_previewed);
        // Exactly the size, as the printer's pages: Qt would otherwise take a standard size near
        // it.
        const QPageSize page(shown->sizePoints(), QPageSize::Point, QString(),
                             QPageSize::ExactMatch);
        writer.setPageLayout(
            QPageLayout(page, QPageLayout::Portrait, QMarginsF(), QPageLayout::Point));
        QPainter painter(&writer);
        shown->paint(painter);
        painter.end();
        return rasterise(m_previewed);
    }

private:
    bool printCenterSelected() const override { return false; }
    QString addressText() const override { return kDelivery; }
    QString returnText() const override { return kReturn; }
    std::vector<std::int32_t> selectedRows() const override { return {}; }
    QString recipient(std::int32_t) const override { return {}; }
    bool hasAddress(std::int32_t) const override { return true; }
    QString status() const override { return {}; }
    void setStatus(const QString&) override {}
    void setProgress(int, int) override {}
    std::optional<QString> defaultPrinter() override { return std::nullopt; }
    PrinterAvailability availability(const QString&) override
    {
        return PrinterAvailability::Missing;
    }
    std::optional<SpoolFailure> submit(const QString&, const QString&, const QString&,
                                       const PrintOptions&) override
    {
        return SpoolFailure{false, QStringLiteral("no printer here")};
    }
    std::optional<QString> askPdfFileName() override { return m_printed; }
    std::optional<QFont> chooseFont(const QFont&, const QString&) override { return {}; }

    testing::TempFiles m_files;
    QString m_printed = m_files.path() + QStringLiteral("/printed.pdf");
    QString m_previewed = m_files.path() + QStringLiteral("/previewed.pdf");
};

// Both pages go through the same PDF and the same rasteriser, so any difference is one of
// what was drawn: size, fonts, places, shift or text.
TEST(PreviewAndPrint, ThePreviewDrawsTheSamePixelsAsThePrintedEnvelope)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty()) {
        GTEST_SKIP() << "needs pdftoppm (poppler-utils)";
    }
    EnvelopeOptions options;
    options.setPrinter(EnvelopeOptions::kSaveAsPdf);
    const auto printedLikeItsPreview = [](const EnvelopeOptions& chosen) {
        PrintedEnvelope envelope;
        const QImage printed = envelope.print(chosen);
        const QImage previewed = envelope.preview(chosen);
        EXPECT_FALSE(printed.isNull());
        return printed == previewed;
    };
    EXPECT_TRUE(printedLikeItsPreview(options)) << "the defaults";

    options.setSize(*EnvelopeSizes::byKey("dl"));
    options.setDeliveryFont(AddressFont("Liberation Sans", 13, true));
    options.setReturnFont(AddressFont("Liberation Mono", 9, false, true));
    options.setDeliveryPosition(QPointF(290, 140));
    options.setPrinterShift(QPointF(7, -4));
    EXPECT_TRUE(printedLikeItsPreview(options)) << "DL, own fonts, a placed address, a shift";

    options.setSize(EnvelopeSizes::custom(150, 100, EnvelopeSize::Unit::Millimeter));
    options.setReturnPosition(QPointF(30, 20));
    EXPECT_TRUE(printedLikeItsPreview(options)) << "a custom size";
}

} // namespace
} // namespace addrell
