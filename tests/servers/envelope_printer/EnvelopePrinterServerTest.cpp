#include "PdfPages.h"
#include "ScriptedDialogs.h"
#include "automation/ServerFactories.h"
#include "printing/EnvelopePrintJob.h"
#include "printing/PrintView.h"
#include "printing/WordInstance.h"
#include "printing/WordState.h"
#include "servers/envelope_printer/CupsPrintSpooler.h"
#include "servers/envelope_printer/EnvelopePrinterApplication.h"
#include "servers/envelope_printer/EnvelopePrinterBackend.h"
#include "servers/envelope_printer/EnvelopePrinterError.h"
#include "servers/envelope_printer/EnvelopePrinterGlobal.h"
#include "servers/envelope_printer/PdfSaveLocation.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace addrell {
namespace {

class NoSaveLocation : public PdfSaveLocation {
public:
    std::optional<QString> askPdfFileName() override { return std::nullopt; }
};

class Boxes : public PrintView {
public:
    [[nodiscard]] bool printCenterSelected() const override { return center; }
    [[nodiscard]] QString addressText() const override { return address; }
    [[nodiscard]] QString returnText() const override { return returnAddress; }
    bool center = false;
    QString address = QStringLiteral("Henry Hall\r\n9 Quay Road\r\nPortsmouth, NH  03801");
    QString returnAddress =
        QStringLiteral("Mary Hart\r\nPO Box 12\r\n\r\nDover, NH  03820\r\n\r\n");
};

class EnvelopePrinterServerTest : public ::testing::Test {
protected:
    std::shared_ptr<EnvelopePrinterApplication> application()
    {
        EnvelopePrinterBackend backend;
        backend.target = PrintTarget::pdfFile(pdf);
        backend.spooler = std::make_shared<CupsPrintSpooler>();
        backend.saveLocation = std::make_shared<NoSaveLocation>();
        return EnvelopePrinterApplication::create(std::move(backend));
    }
    // The arguments the program passes, with one position replaced.
    static word::PrintOutArguments arguments(std::size_t position = 99, Variant value = {})
    {
        word::PrintOutArguments all;
        all.fill(Variant::missing());
        all[0] = Variant(false);
        all[1] = Variant(QStringLiteral("Henry Hall\r\n9 Quay Road"));
        all[3] = Variant(false);
        all[4] = Variant(QStringLiteral("Mary Hart"));
        all[6] = Variant(false);
        all[7] = Variant(false);
        all[9] = Variant(297.36F);
        all[10] = Variant(684.0F);
        for (std::size_t i = 12; i < 16; ++i) {
            all[i] = Variant(std::int32_t{0});
        }
        all[16] = Variant(false);
        all[17] = Variant(std::int32_t{6});
        if (position < all.size()) {
            all[position] = std::move(value);
        }
        return all;
    }
    std::int32_t printOutError(const word::PrintOutArguments& args)
    {
        const auto app = application();
        static_cast<void>(app->Documents()->Add({}, {}, {}, {}));
        try {
            app->ActiveDocument()->Envelope()->PrintOut(args);
        } catch (const AutomationError& error) {
            EXPECT_EQ(error.source(), QStringLiteral("Envelope Printer"));
            return error.number();
        }
        return 0;
    }

    QTemporaryDir dir;
    QString pdf = dir.filePath(QStringLiteral("envelope.pdf"));
};

TEST_F(EnvelopePrinterServerTest, PrintOutChecksItsArgumentsAsTheWordProcessorWould)
{
    EXPECT_EQ(printOutError(arguments()), 0);
    EXPECT_TRUE(QFile::exists(pdf));
    EXPECT_EQ(printOutError(arguments(17, Variant(std::int32_t{9}))), 5);
    EXPECT_EQ(printOutError(arguments(17, Variant(std::int32_t{-1}))), 5);
    EXPECT_EQ(printOutError(arguments(17, Variant(QStringLiteral("left")))), 13);
    EXPECT_EQ(printOutError(arguments(0, Variant(QStringLiteral("maybe")))), 13);
    EXPECT_EQ(printOutError(arguments(1, Variant(std::int32_t{3}))), 13);
    EXPECT_EQ(printOutError(arguments(25, Variant(Variant::ErrorCode{7}))), 13);
    EXPECT_EQ(printOutError(arguments(9, Variant(QStringLiteral("tall")))), 13);
    EXPECT_EQ(printOutError(arguments(1, Variant(QStringLiteral(" \r\n")))),
              EnvelopePrinterError::NoDeliveryAddress);
    EXPECT_EQ(printOutError(arguments(1, Variant::missing())),
              EnvelopePrinterError::NoDeliveryAddress);
    // Values the word processor converts are accepted.
    EXPECT_EQ(printOutError(arguments(17, Variant(QStringLiteral("4")))), 0);
    EXPECT_EQ(printOutError(arguments(16, Variant(std::int16_t{-1}))), 0);
}

TEST_F(EnvelopePrinterServerTest, ApplicationHasDocumentsUntilItQuits)
{
    const auto app = application();
    try {
        static_cast<void>(app->ActiveDocument());
        ADD_FAILURE() << "a document without Add";
    } catch (const AutomationError& error) {
        EXPECT_EQ(error.number(), 4248);
    }
    const auto added = app->Documents()->Add({}, {}, {}, {});
    EXPECT_EQ(app->ActiveDocument(), added);
    const Variant missing = Variant::missing();
    app->Quit(missing, missing, missing);
    EXPECT_THROW(static_cast<void>(app->Documents()), AutomationError);
    EXPECT_THROW(app->Quit(missing, missing, missing), AutomationError);

    EnvelopePrinterGlobal global;
    const Variant height = global.InchesToPoints(Variant(4.13F));
    EXPECT_EQ(height.type(), Variant::Type::Single);
    EXPECT_FLOAT_EQ(height.toSingle(), 297.36F);
    EXPECT_EQ(global.InchesToPoints(Variant(9.5F)), Variant(684.0F));
    EXPECT_THROW(static_cast<void>(global.InchesToPoints(Variant(QStringLiteral("wide")))),
                 AutomationError);
}

TEST_F(EnvelopePrinterServerTest, ThePrintJobPrintsAnEnvelopeThroughTheServer)
{
    ServerFactories factories;
    factories.wordApplication = [this] { return application(); };
    factories.wordGlobal = [] { return std::make_shared<EnvelopePrinterGlobal>(); };
    testing::ScriptedDialogs dialogs;
    Boxes boxes;
    WordState state;
    WordInstance instance(state, factories, dialogs);
    EnvelopePrintJob job(state, instance, factories, boxes, dialogs);

    dialogs.setNextAnswer(MessageResult::Yes);
    job.cmdPrint_Click();
    EXPECT_EQ(dialogs.messageTexts(), QStringList{"Print Envelope?"});
    EXPECT_EQ(test::pdfPageSizes(test::readFile(pdf)), QList<QSizeF>{QSizeF(684, 297)});
    if (const auto text = test::pdfText(pdf)) {
        EXPECT_TRUE(text->contains(QStringLiteral("Henry Hall")));
        EXPECT_TRUE(text->contains(QStringLiteral("Dover, NH 03820")) ||
                    text->contains(QStringLiteral("Dover, NH  03820")));
    }

    // An empty recipient box comes back as the server's error, in the three-line report.
    boxes.address.clear();
    job.cmdPrint_Click();
    ASSERT_EQ(dialogs.messages().size(), 2U);
    const QStringList report = dialogs.messages()[1].text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(report.size(), 3);
    EXPECT_EQ(report[0], QString::number(EnvelopePrinterError::NoDeliveryAddress));
    EXPECT_TRUE(report[0].startsWith(u'-'));
    EXPECT_EQ(report[2], QStringLiteral("Envelope Printer"));
}

} // namespace
} // namespace addrell
