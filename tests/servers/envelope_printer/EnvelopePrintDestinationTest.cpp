#include "servers/envelope_printer/EnvelopePrintDestination.h"
#include "PdfPages.h"
#include "servers/envelope_printer/CupsPrintSpooler.h"
#include "servers/envelope_printer/EnvelopeJob.h"
#include "servers/envelope_printer/EnvelopePrinterError.h"
#include "servers/envelope_printer/PdfSaveLocation.h"

#include <QFile>
#include <QHash>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace addrell {
namespace {

using test::pdfPageSizes;
using test::readFile;

struct Submission {
    QString printer;
    QString fileName;
    QByteArray pdf; // read while the spool file still exists
    QByteArray media;
    QByteArray scaling;
};

class FakeSpooler final : public PrintSpooler {
public:
    std::optional<QString> defaultName;
    QHash<QString, PrinterAvailability> printers;
    std::optional<SpoolFailure> failure;
    QList<Submission> submissions;

    std::optional<QString> defaultPrinter() override { return defaultName; }
    PrinterAvailability availability(const QString& printer) override
    {
        return printers.value(printer, PrinterAvailability::Missing);
    }
    std::optional<SpoolFailure> submit(const QString& printer, const QString& pdfFileName,
                                       const QString&, const PrintOptions& options) override
    {
        Submission s{printer, pdfFileName, readFile(pdfFileName), {}, {}};
        for (const auto& [name, value] : options) {
            if (name == "media") {
                s.media = value;
            } else if (name == "print-scaling") {
                s.scaling = value;
            }
        }
        submissions.append(s);
        return failure;
    }
};

class FakeSaveLocation final : public PdfSaveLocation {
public:
    std::optional<QString> answer;
    int asked = 0;

    std::optional<QString> askPdfFileName() override
    {
        ++asked;
        return answer;
    }
};

class EnvelopePrintDestinationTest : public ::testing::Test {
protected:
    void print(const PrintTarget& target, int orientation = EnvelopeJob::kLeftClockwise)
    {
        const EnvelopeJob job(QStringLiteral("Mary Hart"), QStringLiteral("Henry Hall"), 684,
                              297.36, orientation, false);
        EnvelopePrintDestination(target, spooler, saveLocation).print(job);
    }

    AutomationError printError(const PrintTarget& target)
    {
        try {
            print(target);
        } catch (const AutomationError& error) {
            EXPECT_EQ(error.source(), QStringLiteral("Envelope Printer"));
            return error;
        }
        ADD_FAILURE() << "no error";
        return AutomationError(0, {}, {});
    }

    [[nodiscard]] QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }

    QTemporaryDir dir;
    FakeSpooler spooler;
    FakeSaveLocation saveLocation;
};

TEST_F(EnvelopePrintDestinationTest, PrinterGetsTheEnvelopePageWithItsMediaAndNoScaling)
{
    spooler.defaultName = QStringLiteral("Desk");
    spooler.printers[QStringLiteral("Desk")] = PrinterAvailability::Accepting;
    print(PrintTarget::defaultPrinter());
    print(PrintTarget::printer(QStringLiteral("Desk")), EnvelopeJob::kLeftPortrait);
    print(PrintTarget::printer(QStringLiteral("Desk")).onSheet(QSizeF(612, 792)));

    const std::tuple<QByteArray, QSizeF> expected[] = {
        {"na_number-10_4.125x9.5in", QSizeF(297, 684)},
        {"Custom.684x297", QSizeF(684, 297)},
        {"Letter", QSizeF(612, 792)}};
    ASSERT_EQ(spooler.submissions.size(), 3);
    for (int i = 0; i < 3; ++i) {
        const Submission& submission = spooler.submissions[i];
        EXPECT_EQ(submission.printer, QStringLiteral("Desk"));
        EXPECT_EQ(submission.media, std::get<0>(expected[i]));
        EXPECT_EQ(submission.scaling, "none");
        EXPECT_EQ(pdfPageSizes(submission.pdf), QList<QSizeF>{std::get<1>(expected[i])});
        EXPECT_FALSE(QFile::exists(submission.fileName)) << "spool file left behind";
    }
    EXPECT_EQ(saveLocation.asked, 0);
}

TEST_F(EnvelopePrintDestinationTest, WithoutAPrinterTheUserSavesAPdf)
{
    saveLocation.answer = path("none.pdf");
    print(PrintTarget::defaultPrinter());
    // A default printer the server no longer knows counts as none.
    spooler.defaultName = QStringLiteral("Gone");
    saveLocation.answer = path("gone.pdf");
    print(PrintTarget::defaultPrinter());
    print(PrintTarget::pdfFile(path("direct.pdf")));

    EXPECT_EQ(saveLocation.asked, 2);
    EXPECT_TRUE(spooler.submissions.isEmpty());
    for (const char* name : {"none.pdf", "gone.pdf", "direct.pdf"}) {
        // Upright, as the envelope looks, whichever way a printer would have fed it.
        EXPECT_EQ(pdfPageSizes(readFile(path(name))), QList<QSizeF>{QSizeF(684, 297)}) << name;
    }
}

TEST_F(EnvelopePrintDestinationTest, FailuresAreErrorsTheUserCanActOn)
{
    const AutomationError cancelled = printError(PrintTarget::defaultPrinter());
    EXPECT_EQ(cancelled.number(), EnvelopePrinterError::PrintCancelled);
    EXPECT_EQ(cancelled.description(), QStringLiteral("The print job was cancelled."));

    const AutomationError missing = printError(PrintTarget::printer(QStringLiteral("Attic")));
    EXPECT_EQ(missing.number(), EnvelopePrinterError::PrinterNotFound);
    EXPECT_TRUE(missing.description().contains(QStringLiteral("\"Attic\"")));

    const PrintTarget desk = PrintTarget::printer(QStringLiteral("Desk"));
    spooler.printers[QStringLiteral("Desk")] = PrinterAvailability::NotAcceptingJobs;
    const AutomationError rejecting = printError(desk);
    EXPECT_EQ(rejecting.number(), EnvelopePrinterError::PrinterNotAcceptingJobs);
    EXPECT_TRUE(rejecting.description().startsWith(
        QStringLiteral("Printer \"Desk\" is not accepting jobs")));
    EXPECT_TRUE(spooler.submissions.isEmpty());

    // The server's own answer when it refuses the job after all.
    spooler.printers[QStringLiteral("Desk")] = PrinterAvailability::Accepting;
    spooler.failure = SpoolFailure{true, QStringLiteral("rejected")};
    EXPECT_EQ(printError(desk).number(), EnvelopePrinterError::PrinterNotAcceptingJobs);
    spooler.failure = SpoolFailure{false, QStringLiteral("Unsupported document-format.")};
    const AutomationError spool = printError(desk);
    EXPECT_EQ(spool.number(), EnvelopePrinterError::SpoolFailed);
    EXPECT_TRUE(spool.description().contains(QStringLiteral("Unsupported document-format.")));

    EXPECT_EQ(printError(PrintTarget::pdfFile(path("no/such/folder.pdf"))).number(),
              EnvelopePrinterError::PdfNotWritten);
    EXPECT_EQ(saveLocation.asked, 1); // only when there was no printer
}

TEST(CupsPrintSpoolerTest, UnreachableServerMeansNoPrinter)
{
    const QTemporaryDir dir;
    CupsPrintSpooler spooler(dir.filePath(QStringLiteral("cups.sock")));
    EXPECT_EQ(spooler.defaultPrinter(), std::nullopt);
    EXPECT_EQ(spooler.availability(QStringLiteral("EnvPDF")), PrinterAvailability::Missing);
    EXPECT_TRUE(spooler.submit(QStringLiteral("EnvPDF"), dir.filePath(QStringLiteral("x.pdf")),
                               QStringLiteral("Envelope"), {}));
}

} // namespace
} // namespace addrell
