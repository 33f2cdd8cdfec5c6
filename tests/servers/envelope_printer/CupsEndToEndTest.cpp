#include "PdfPages.h"
#include "servers/envelope_printer/CupsPrintSpooler.h"
#include "servers/envelope_printer/EnvelopeJob.h"
#include "servers/envelope_printer/EnvelopePrintDestination.h"
#include "servers/envelope_printer/EnvelopePrinterError.h"
#include "servers/envelope_printer/PdfSaveLocation.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QThread>
#include <cups/cups.h>
#include <gtest/gtest.h>

// Real spooling into the private print server of tools/cups-test-server; skipped without it.
namespace addrell {
namespace {

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

    const QString m_outputDir = qEnvironmentVariable("ADDRELL_CUPS_PDF_DIR");
    CupsPrintSpooler m_spooler;
    NeverAsked m_noQuestion;
};

TEST_F(CupsEndToEndTest, BothFeedsPrintOnTheDefaultPrinterAsTheyAre)
{
    ASSERT_EQ(m_spooler.defaultPrinter(), QStringLiteral("EnvPDF"));
    print(PrintTarget::defaultPrinter(), EnvelopeJob::kLeftClockwise, false);
    print(PrintTarget::defaultPrinter(), EnvelopeJob::kCenterLandscape, true);

    // Jobs are asynchronous: the PDFs are complete once no job is left.
    const QDeadlineTimer giveUp(60'000);
    int active = 1;
    while (active > 0 && !giveUp.hasExpired()) {
        cups_job_t* jobs = nullptr;
        active = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, nullptr, 0, CUPS_WHICHJOBS_ACTIVE);
        cupsFreeJobs(active, jobs);
        QThread::msleep(active > 0 ? 100 : 0);
    }
    ASSERT_LE(active, 0) << "jobs still not done";

    QList<QSizeF> sizes;
    for (const QFileInfo& file : QDir(m_outputDir).entryInfoList({QStringLiteral("*.pdf")})) {
        sizes += test::pdfPageSizes(test::readFile(file.filePath()));
        const QString text = test::pdfText(file.filePath()).value_or(QString());
        EXPECT_TRUE(text.contains(QStringLiteral("Henry Hall")) &&
                    text.contains(QStringLiteral("Mary Hart")))
            << text.toStdString();
    }
    // Both take the #10 envelope short edge first: CUPS neither turns nor scales the page.
    EXPECT_EQ(sizes, (QList<QSizeF>{QSizeF(297, 684), QSizeF(297, 684)}));
}

TEST_F(CupsEndToEndTest, ARejectingOrUnknownPrinterIsReported)
{
    EXPECT_EQ(m_spooler.availability(QStringLiteral("EnvPDF")), PrinterAvailability::Accepting);
    EXPECT_EQ(m_spooler.availability(QStringLiteral("NoSuchPrinter")),
              PrinterAvailability::Missing);
    try {
        print(PrintTarget::printer(QStringLiteral("EnvReject")), 4, true);
        ADD_FAILURE() << "no error";
    } catch (const AutomationError& error) {
        EXPECT_EQ(error.number(), EnvelopePrinterError::PrinterNotAcceptingJobs);
    }
    // The server's own refusal, as when the printer stops accepting after the check.
    const auto failure = m_spooler.submit(QStringLiteral("EnvReject"), QStringLiteral("/dev/null"),
                                          QStringLiteral("Envelope"), {});
    EXPECT_TRUE(failure && failure->notAcceptingJobs);
}

} // namespace
} // namespace addrell
