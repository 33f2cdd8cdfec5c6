#include "ErrorNumber.h"
#include "PdfPages.h"
#include "servers/envelope_printer/EnvelopePrinterApplication.h"
#include "servers/envelope_printer/EnvelopePrinterBackend.h"
#include "servers/envelope_printer/destinations/CupsPrintSpooler.h"
#include "servers/envelope_printer/destinations/CupsPrinterList.h"
#include "servers/envelope_printer/destinations/EnvelopePrintDestination.h"
#include "servers/envelope_printer/destinations/PdfSaveLocation.h"
#include "servers/envelope_printer/render/EnvelopeJob.h"
#include "servers/envelope_printer/render/EnvelopePrinterError.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QTemporaryDir>
#include <QThread>
#include <cups/cups.h>
#include <gtest/gtest.h>

// Real spooling into the private print server of tools/cups-test-server; skipped without it.
namespace addrell {
namespace {

constexpr const char* kRecipients[] = {"Henry Hall", "Ida Irons", "Jack Jones"};

class NeverAsked final : public PdfSaveLocation {
public:
    std::optional<QString> askPdfFileName() override
    {
        ADD_FAILURE() << "asked for a PDF although there is a printer";
        return std::nullopt;
    }
};

class CupsEndToEndTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (m_outputDir.isEmpty()) {
            GTEST_SKIP() << "needs the print server of tools/cups-test-server";
        }
    }

    void print(const PrintTarget& target, int orientation, bool faceUp)
    {
        const EnvelopeJob job(QStringLiteral("Mary Hart"), QStringLiteral("Henry Hall\r\nElm Ave"),
                              9.5f * 72.0f, 4.13f * 72.0f, orientation, faceUp);
        EnvelopePrintDestination(target, m_spooler, m_noQuestion).print(job);
    }

    // Three envelopes through the server's batch path, one argument of the first refused.
    word::BatchDestination printBatch(const PrintTarget& target, int orientation)
    {
        word::PrintOutArguments arguments;
        arguments.fill(Variant::missing());
        arguments[4] = Variant(QStringLiteral("Mary Hart"));
        arguments[16] = Variant(orientation == EnvelopeJob::kCenterLandscape);
        arguments[17] = Variant(std::int32_t{9}); // no orientation: error 5, the envelope not kept
        const std::shared_ptr<void> unowned;      // the fixture outlives the server
        const auto app = EnvelopePrinterApplication::create(
            {target, {unowned, &m_spooler}, {unowned, &m_noQuestion}});
        static_cast<void>(app->Documents()->Add({}, {}, {}, {}));
        const auto envelope = app->ActiveDocument()->Envelope();
        EXPECT_THROW(envelope->AddToBatch(arguments), AutomationError);
        arguments[17] = Variant(std::int32_t{orientation});
        for (const char* recipient : kRecipients) {
            arguments[1] = Variant(QString::fromLatin1(recipient) + QStringLiteral("\r\nElm Ave"));
            envelope->AddToBatch(arguments);
        }
        return envelope->PrintBatch();
    }

    const QString m_outputDir = qEnvironmentVariable("ADDRELL_CUPS_PDF_DIR");
    CupsPrintSpooler m_spooler;
    NeverAsked m_noQuestion;
};

// Page k of a batch PDF holds envelope k and nothing of the others.
void expectOneEnvelopePerPage(const QString& fileName)
{
    const std::optional<QString> all = test::pdfText(fileName);
    ASSERT_TRUE(all) << "needs pdftotext";
    EXPECT_EQ(all->count(u'\f'), 3) << fileName.toStdString(); // a form feed after each page
    for (int page = 1; page <= 3; ++page) {
        const QString text = test::pdfText(fileName, page).value_or(QString());
        for (int envelope = 1; envelope <= 3; ++envelope) {
            EXPECT_EQ(text.contains(QLatin1String(kRecipients[envelope - 1])), envelope == page)
                << text.toStdString();
        }
        EXPECT_TRUE(text.contains(QStringLiteral("Mary Hart"))) << text.toStdString();
    }
}

// Waits until the print server has no job left, so every PDF is complete.
bool jobsDone()
{
    const QDeadlineTimer giveUp(60'000);
    int active = 1;
    while (active > 0 && !giveUp.hasExpired()) {
        cups_job_t* jobs = nullptr;
        active = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, nullptr, 0, CUPS_WHICHJOBS_ACTIVE);
        cupsFreeJobs(active, jobs);
        QThread::msleep(active > 0 ? 100 : 0);
    }
    return active <= 0;
}

TEST_F(CupsEndToEndTest, BothFeedsPrintOnTheDefaultPrinterAsTheyAre)
{
    ASSERT_EQ(m_spooler.defaultPrinter(), QStringLiteral("EnvPDF"));
    print(PrintTarget::defaultPrinter(), EnvelopeJob::kLeftClockwise, false);
    print(PrintTarget::defaultPrinter(), EnvelopeJob::kCenterLandscape, true);

    ASSERT_TRUE(jobsDone()) << "jobs still not done";

    QList<QSizeF> sizes;
    for (const QFileInfo& file :
         QDir(m_outputDir).entryInfoList({QStringLiteral("Envelope_*.pdf")})) {
        sizes += test::pdfPageSizes(test::readFile(file.filePath()));
        const QString text = test::pdfText(file.filePath()).value_or(QString());
        EXPECT_TRUE(text.contains(QStringLiteral("Henry Hall")) &&
                    text.contains(QStringLiteral("Mary Hart")))
            << text.toStdString();
    }
    // Both take the #10 envelope short edge first: CUPS neither turns nor scales the page.
    EXPECT_EQ(sizes, (QList<QSizeF>{QSizeF(297, 684), QSizeF(297, 684)}));
}

TEST_F(CupsEndToEndTest, ABatchIsOneJobOfOnePagePerEnvelopeOrOnePdfAndARejectingPrinterNone)
{
    for (const int orientation : {EnvelopeJob::kLeftClockwise, EnvelopeJob::kCenterLandscape}) {
        const word::BatchDestination sent = printBatch(PrintTarget::defaultPrinter(), orientation);
        EXPECT_EQ(std::pair(sent.savedAsFile, sent.name), std::pair(false, QString("EnvPDF")));
    }
    // A rejecting or unknown printer is reported; for a batch it is one error, and no job.
    EXPECT_EQ(m_spooler.availability(QStringLiteral("EnvPDF")), PrinterAvailability::Accepting);
    EXPECT_EQ(m_spooler.availability(QStringLiteral("NoSuchPrinter")),
              PrinterAvailability::Missing);
    EXPECT_EQ(testing::errorNumber(
                  [this] { print(PrintTarget::printer(QStringLiteral("EnvReject")), 4, true); }),
              EnvelopePrinterError::PrinterNotAcceptingJobs);
    // The server's own refusal, as when the printer stops accepting after the check.
    const auto failure = m_spooler.submit(QStringLiteral("EnvReject"), QStringLiteral("/dev/null"),
                                          QStringLiteral("Envelope"), {});
    EXPECT_TRUE(failure && failure->notAcceptingJobs);
    EXPECT_EQ(testing::errorNumber([this] {
                  static_cast<void>(
                      printBatch(PrintTarget::printer(QStringLiteral("EnvReject")), 4));
              }),
              EnvelopePrinterError::PrinterNotAcceptingJobs);
    ASSERT_TRUE(jobsDone()) << "jobs still not done";
    const QDir out(m_outputDir);
    const QStringList batches = out.entryList({QStringLiteral("Envelopes_*.pdf")});
    ASSERT_EQ(batches.size(), 2) << batches.join(u' ').toStdString();
    for (const QString& batch : batches) {
        expectOneEnvelopePerPage(out.filePath(batch));
    }
    // The PDF that takes the place of a missing printer.
    const QTemporaryDir dir;
    const word::BatchDestination saved =
        printBatch(PrintTarget::pdfFile(dir.filePath(QStringLiteral("batch.pdf"))), 6);
    EXPECT_TRUE(saved.savedAsFile);
    expectOneEnvelopePerPage(saved.name);
}

TEST_F(CupsEndToEndTest, TheChosenPrinterGetsADlEnvelopeInTheChosenFonts)
{
    // Every queue by name, the default and the one refusing jobs told apart.
    QStringList printers;
    for (const AvailablePrinter& printer : CupsPrinterList::available()) {
        printers << QStringLiteral("%1 %2 %3")
                        .arg(printer.name())
                        .arg(printer.isDefault() ? "default" : "-",
                             printer.acceptingJobs() ? "accepting" : "rejecting");
    }
    EXPECT_EQ(printers, QStringList({"EnvPDF default accepting", "EnvPDF2 - accepting",
                                     "EnvReject - rejecting"}));

    const std::shared_ptr<void> unowned;
    const auto app = EnvelopePrinterApplication::create(
        {PrintTarget::defaultPrinter(), {unowned, &m_spooler}, {unowned, &m_noQuestion}});
    static_cast<void>(app->Documents()->Add({}, {}, {}, {}));
    app->ActivePrinter(QStringLiteral("EnvPDF2"));
    const auto envelope = app->ActiveDocument()->Envelope();
    const auto delivery = envelope->AddressStyle()->Font();
    delivery->Name(QStringLiteral("Liberation Sans"));
    delivery->Bold(true);
    const auto from = envelope->ReturnAddressStyle()->Font();
    from->Name(QStringLiteral("Liberation Mono"));
    from->Italic(true);
    word::PrintOutArguments arguments;
    arguments.fill(Variant::missing());
    arguments[1] = Variant(QStringLiteral("Henry Hall\r\nElm Ave"));
    arguments[4] = Variant(QStringLiteral("Mary Hart"));
    arguments[9] = Variant(110.0F / 25.4F * 72.0F);
    arguments[10] = Variant(220.0F / 25.4F * 72.0F);
    arguments[16] = Variant(false);
    arguments[17] = Variant(std::int32_t{EnvelopeJob::kLeftClockwise});
    envelope->PrintOut(arguments);
    ASSERT_TRUE(jobsDone()) << "jobs still not done";

    const QDir out(qEnvironmentVariable("ADDRELL_CUPS_PDF2_DIR"));
    const QStringList printed = out.entryList({QStringLiteral("*.pdf")});
    ASSERT_EQ(printed.size(), 1) << out.path().toStdString();
    const QString pdf = out.filePath(printed.front());
    const QString info = test::pdfToolOutput(QStringLiteral("pdfinfo"), {pdf}).value_or(QString());
    const QRegularExpressionMatch page =
        QRegularExpression(QStringLiteral(R"(Page size:\s+([\d.]+) x ([\d.]+) pts)")).match(info);
    ASSERT_TRUE(page.hasMatch() && info.contains(QStringLiteral("Pages:           1")))
        << info.toStdString();
    // 110 x 220 mm, standing: short edge first.
    EXPECT_NEAR(page.captured(1).toDouble() * 25.4 / 72.0, 110.0, 0.2);
    EXPECT_NEAR(page.captured(2).toDouble() * 25.4 / 72.0, 220.0, 0.2);
    const QString text = test::pdfText(pdf).value_or(QString());
    EXPECT_TRUE(text.contains(QStringLiteral("Henry Hall")) &&
                text.contains(QStringLiteral("Mary Hart")))
        << text.toStdString();
    const QString fonts =
        test::pdfToolOutput(QStringLiteral("pdffonts"), {pdf}).value_or(QString());
    EXPECT_TRUE(fonts.contains(QStringLiteral("LiberationSans-Bold")) &&
                fonts.contains(QStringLiteral("LiberationMono-Italic")))
        << fonts.toStdString();
}

} // namespace
} // namespace addrell
