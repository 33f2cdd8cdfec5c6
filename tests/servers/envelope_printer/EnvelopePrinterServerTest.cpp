#include "ErrorNumber.h"
#include "PdfPages.h"
#include "servers/envelope_printer/EnvelopePrinterApplication.h"
#include "servers/envelope_printer/EnvelopePrinterBackend.h"
#include "servers/envelope_printer/destinations/PdfSaveLocation.h"
#include "servers/envelope_printer/destinations/PrintSpooler.h"
#include "servers/envelope_printer/render/EnvelopePrinterError.h"

#include <QHash>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <limits>

namespace addrell {
namespace {

// A job the print server took, read while the spool file exists: printer, page sizes, options.
using Submission = std::tuple<QString, QList<QSizeF>, PrintOptions>;

// The print server and the user asked where to save, in one.
class EnvelopePrinterServerTest : public ::testing::Test,
                                  public PrintSpooler,
                                  public PdfSaveLocation {
protected:
    std::optional<QString> defaultPrinter() override { return defaultName; }
    PrinterAvailability availability(const QString& printer) override
    {
        return printers.value(printer, PrinterAvailability::Missing);
    }
    std::optional<SpoolFailure> submit(const QString& printer, const QString& pdfFileName,
                                       const QString&, const PrintOptions& options) override
    {
        submissions.append({printer, test::pdfPageSizes(test::readFile(pdfFileName)), options});
        return failure;
    }
    std::optional<QString> askPdfFileName() override { return answer; }
    // Prints with the program's arguments, one of them replaced; the error raised, if any.
    std::optional<AutomationError> print(const PrintTarget& target, std::size_t position = 0,
                                         const Variant& value = Variant(false))
    {
        word::PrintOutArguments all;
        all.fill(Variant::missing());
        all[0] = all[3] = all[6] = all[7] = all[16] = Variant(false);
        all[1] = Variant(QStringLiteral("Henry Hall\r\n9 Quay Road"));
        all[4] = Variant(QStringLiteral("Mary Hart"));
        all[9] = Variant(297.36F);
        all[10] = Variant(684.0F);
        all[12] = all[13] = all[14] = all[15] = Variant(std::int32_t{0});
        all[17] = Variant(std::int32_t{6});
        all.at(position) = value;
        const std::shared_ptr<void> unowned; // the fixture outlives the server
        const auto app =
            EnvelopePrinterApplication::create({target, {unowned, this}, {unowned, this}});
        static_cast<void>(app->Documents()->Add({}, {}, {}, {}));
        try {
            app->ActiveDocument()->Envelope()->PrintOut(all);
        } catch (const AutomationError& error) {
            EXPECT_EQ(error.source(), QStringLiteral("Envelope Printer"));
            return error;
        }
        return std::nullopt;
    }

    QTemporaryDir dir;
    std::optional<QString> defaultName;
    QHash<QString, PrinterAvailability> printers{{"Desk", PrinterAvailability::Accepting},
                                                 {"Shut", PrinterAvailability::NotAcceptingJobs}};
    std::optional<SpoolFailure> failure;
    QList<Submission> submissions;
    std::optional<QString> answer; // where the user saves the PDF, asked with no printer
};

TEST_F(EnvelopePrinterServerTest, PrintOutChecksItsArgumentsAsTheWordProcessorWould)
{
    // Position, value, error; values the word processor converts are accepted.
    const std::tuple<std::size_t, Variant, std::int32_t> cases[] = {
        {17, Variant(std::int32_t{6}), 0},
        {17, Variant(QStringLiteral("4")), 0},
        {16, Variant(std::int16_t{-1}), 0},
        {17, Variant(std::int32_t{9}), 5},
        {17, Variant(std::int32_t{-1}), 5},
        {17, Variant(4.5), 5},
        {9, Variant(0.2F), 5},
        {10, Variant(1e6), 5},
        {17, Variant(QStringLiteral("left")), 13},
        {0, Variant(QStringLiteral("maybe")), 13},
        {1, Variant(std::int32_t{3}), 13},
        {25, Variant(Variant::ErrorCode{7}), 13},
        {1, Variant(QStringLiteral(" \r\n")), EnvelopePrinterError::NoDeliveryAddress},
        {1, Variant::missing(), EnvelopePrinterError::NoDeliveryAddress}};
    for (const auto& [position, value, number] : cases) {
        const auto error = print(PrintTarget::printer("Desk"), position, value);
        EXPECT_EQ(error ? error->number() : 0, number) << position << " " << number;
    }
    // The printer gets the envelope's own page and media, never scaled.
    const Submission envelope{
        "Desk",
        {QSizeF(297, 684)},
        {{"media", "na_number-10_4.125x9.5in"}, {"print-scaling", "none"}, {"sides", "one-sided"}}};
    EXPECT_EQ(submissions, QList<Submission>(3, envelope));
}

TEST_F(EnvelopePrinterServerTest, TheDefaultPrinterOrElseAnUprightPdfTheUserSaves)
{
    answer = dir.filePath("none.pdf");
    print(PrintTarget::defaultPrinter());
    defaultName = QStringLiteral("Gone"); // a default the server no longer knows is none
    answer = dir.filePath("gone.pdf");
    print(PrintTarget::defaultPrinter());
    print(PrintTarget::pdfFile(dir.filePath("direct.pdf")));
    defaultName = QStringLiteral("Desk");
    print(PrintTarget::defaultPrinter());

    EXPECT_EQ(std::get<0>(submissions.value(0)), QStringLiteral("Desk"));
    for (const char* name : {"none.pdf", "gone.pdf", "direct.pdf"}) {
        const QByteArray pdf = test::readFile(dir.filePath(name));
        EXPECT_EQ(test::pdfPageSizes(pdf), QList<QSizeF>{QSizeF(684, 297)}) << name;
    }
}

TEST_F(EnvelopePrinterServerTest, FailuresAreErrorsTheUserCanActOn)
{
    namespace E = EnvelopePrinterError;
    // The target, the server's own answer to the job, the error and a part of its description.
    using Case = std::tuple<PrintTarget, std::optional<SpoolFailure>, std::int32_t, const char*>;
    const Case cases[] = {
        {PrintTarget::defaultPrinter(), {}, E::PrintCancelled, "The print job was cancelled."},
        {PrintTarget::printer("Attic"), {}, E::PrinterNotFound, "Printer \"Attic\" cannot be"},
        {PrintTarget::printer("Shut"), {}, E::PrinterNotAcceptingJobs, "\"Shut\" is not accept"},
        {PrintTarget::printer("Desk"), SpoolFailure{true, {}}, E::PrinterNotAcceptingJobs,
         "\"Desk\" is not accepting"},
        {PrintTarget::printer("Desk"), SpoolFailure{false, "Bad format."}, E::SpoolFailed,
         "to printer \"Desk\": Bad format."},
        {PrintTarget::pdfFile(dir.filePath("no/dir.pdf")), {}, E::PdfNotWritten, "be saved as"},
    };
    for (const auto& [target, answer, number, text] : cases) {
        failure = answer;
        const auto error = print(target);
        ASSERT_TRUE(error) << text;
        EXPECT_EQ(error->number(), number) << text;
        EXPECT_TRUE(error->description().contains(QLatin1String(text)))
            << error->description().toStdString();
    }
    EXPECT_EQ(submissions.size(), 2); // never to a printer known to refuse jobs
}

TEST_F(EnvelopePrinterServerTest, ActivePrinterFontsAndSizeReachTheJobAndStay)
{
    const std::shared_ptr<void> unowned;
    const auto app = EnvelopePrinterApplication::create(
        {PrintTarget::defaultPrinter(), {unowned, this}, {unowned, this}});
    static_cast<void>(app->Documents()->Add({}, {}, {}, {}));
    const auto document = app->ActiveDocument();
    const auto error = testing::errorNumber;
    word::PrintOutArguments dl;
    dl.fill(Variant::missing());
    dl[1] = Variant(QStringLiteral("Henry Hall"));
    dl[9] = Variant(110.0F / 25.4F * 72.0F);
    dl[10] = Variant(220.0F / 25.4F * 72.0F);
    const auto printDl = [&] { document->Envelope()->PrintOut(dl); };

    defaultName = QStringLiteral("Desk");
    EXPECT_EQ(app->ActivePrinter(), QStringLiteral("Desk"));
    EXPECT_EQ(error([&] { app->ActivePrinter(QStringLiteral("Attic")); }),
              EnvelopePrinterError::PrinterNotFound);
    app->ActivePrinter(QStringLiteral("Shut"));
    EXPECT_EQ(error(printDl), EnvelopePrinterError::PrinterNotAcceptingJobs);
    app->ActivePrinter({}); // the default again
    EXPECT_EQ(error(printDl), 0);
    const Submission envelope{
        "Desk",
        {QSizeF(312, 624)},
        {{"media", "iso_dl_110x220mm"}, {"print-scaling", "none"}, {"sides", "one-sided"}}};
    EXPECT_EQ(submissions, QList<Submission>{envelope});

    // Saved where the user says, upright, and never to the printer.
    app->ActivePrinter(word::kSaveAsPdfPrinter);
    answer = dir.filePath("saved.pdf");
    EXPECT_EQ(error(printDl), 0);
    EXPECT_EQ(test::pdfPageSizes(test::readFile(*answer)), QList<QSizeF>{QSizeF(624, 312)});
    EXPECT_EQ(submissions.size(), 1);

    // A document's styles hold for its later envelopes; what no printer could set is refused.
    const auto font = document->Envelope()->ReturnAddressStyle()->Font();
    font->Name(QStringLiteral("Liberation Mono"));
    font->Italic(true);
    EXPECT_EQ(error([&] { font->Size(0.5F); }), RuntimeError::InvalidProcedureCall);
    EXPECT_EQ(error([&] { font->Name(QStringLiteral(" ")); }), RuntimeError::InvalidProcedureCall);
    const auto later = document->Envelope()->ReturnAddressStyle()->Font();
    EXPECT_EQ(std::tuple(later->Name(), later->Size(), later->Italic(), later->Bold()),
              std::tuple(QStringLiteral("Liberation Mono"), 10.0F, true, false));
    EXPECT_EQ(document->Envelope()->AddressStyle()->Font()->Name(),
              QStringLiteral("Times New Roman"));
    EXPECT_EQ(error([&] { app->SetPrinterShift(std::numeric_limits<float>::quiet_NaN(), 0); }),
              RuntimeError::InvalidProcedureCall);
}

} // namespace
} // namespace addrell
