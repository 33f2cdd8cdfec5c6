#include "TempFiles.h"
#include "envelopes/EnvelopeSizes.h"
#include "settings/EnvelopeSettings.h"

#include <QFile>
#include <gtest/gtest.h>

#include <optional>

namespace addrell {
namespace {

const auto kNoPrinters = [] { return QStringList(); };

// Everything unlike the defaults.
EnvelopeOptions chosen(const QString& printer)
{
    EnvelopeOptions options;
    options.setSize(*EnvelopeSizes::byKey("dl"));
    options.setPrinter(printer);
    options.setDeliveryFont(AddressFont("DejaVu Sans", 14.5, true, false));
    options.setReturnFont(AddressFont("Liberation Mono", 9, false, true));
    options.setDeliveryPosition(QPointF(300.5, 140));
    options.setReturnPosition(QPointF(20, 18));
    options.setPrinterShift(QPointF(-3.5, 7));
    return options;
}

TEST(EnvelopeSettings, ValuesSurviveARestartAndUnreadableOnesReadAsTheDefault)
{
    const testing::TempFiles config;
    std::optional<EnvelopeSettings> settings(std::in_place, config.path());
    // A first start reads the defaults and writes nothing.
    EXPECT_FALSE(settings->printCenter());
    EXPECT_EQ(settings->returnAddressFile(), QString());
    EXPECT_EQ(settings->options(kNoPrinters), EnvelopeOptions());
    settings.emplace(config.path());
    EXPECT_FALSE(QFile::exists(EnvelopeSettings::fileIn(config.path())));
    settings->setPrintCenter(true);
    settings->setReturnAddressFile("/home/pat/Addresses.txt");
    settings.reset(); // the program ends
    ASSERT_TRUE(QFile::exists(EnvelopeSettings::fileIn(config.path())));
    settings.emplace(config.path());
    EXPECT_TRUE(settings->printCenter());
    EXPECT_EQ(settings->returnAddressFile(), "/home/pat/Addresses.txt");
    settings->setPrintCenter(false);
    settings.reset();

    // Edited by hand into something that means nothing.
    config.write("Addrell/Addrell.conf", "[Printing]\nFeed=Sideways\n");
    settings.emplace(config.path());
    EXPECT_FALSE(settings->printCenter());
}

TEST(EnvelopeSettings, OptionsSurviveARestartWhileTheirPrinterIsThere)
{
    const testing::TempFiles config;
    int asked = 0;
    const auto printers = [&asked] { return ++asked, QStringList{"Office", "Hall"}; };
    for (const QString& printer : {QString(), EnvelopeOptions::kSaveAsPdf, QString("Hall")}) {
        SCOPED_TRACE(printer.toStdString());
        asked = 0;
        EnvelopeSettings(config.path()).setOptions(chosen(printer));
        EXPECT_EQ(EnvelopeSettings(config.path()).options(printers), chosen(printer));
        EXPECT_EQ(asked, printer == "Hall" ? 1 : 0) << "the print server asked needlessly";
    }
    // The printer is gone: the desktop's default prints, the rest stays as chosen.
    EXPECT_EQ(EnvelopeSettings(config.path()).options(kNoPrinters), chosen(QString()));

    EnvelopeOptions automatic = chosen(QString());
    automatic.setDeliveryPosition(std::nullopt);
    automatic.setSize(EnvelopeSizes::custom(6.25, 4.5, EnvelopeSize::Unit::Inch));
    EnvelopeSettings(config.path()).setOptions(automatic);
    EXPECT_EQ(EnvelopeSettings(config.path()).options(kNoPrinters), automatic);
}

TEST(EnvelopeSettings, OptionsThatNoLongerFitReadAsTheirDefaults)
{
    const testing::TempFiles config;
    const std::pair<const char*, EnvelopeOptions> cases[] = {
        {"Size=gone", {}},
        {"Size=custom\nCustom\\Width=0.001\nCustom\\Height=4\nCustom\\Unit=in", {}},
        {"Size=custom\nCustom\\Width=9\nCustom\\Height=4\nCustom\\Unit=furlong", {}},
        {"Size=custom\nCustom\\Width=wide\nCustom\\Height=4\nCustom\\Unit=in", {}},
        {"Size=custom\nCustom\\Width=229\nCustom\\Height=114\nCustom\\Unit=mm",
         [] {
             EnvelopeOptions options;
             options.setSize(EnvelopeSizes::custom(229, 114, EnvelopeSize::Unit::Millimeter));
             return options;
         }()},
    };
    for (const auto& [lines, expected] : cases) {
        SCOPED_TRACE(lines);
        config.write("Addrell/Addrell.conf", QByteArray("[Envelope]\n") + lines + "\n");
        EXPECT_EQ(EnvelopeSettings(config.path()).options(kNoPrinters), expected);
    }
    // A font too small, a place half given, a place beyond the #10 envelope's right edge.
    config.write("Addrell/Addrell.conf", "[DeliveryAddress]\nFont\\Family=Serif\n"
                                         "Font\\Points=0.5\nPosition\\X=5\n"
                                         "[ReturnAddress]\nPosition\\X=700\nPosition\\Y=5\n");
    EXPECT_EQ(EnvelopeSettings(config.path()).options(kNoPrinters), EnvelopeOptions());
}

} // namespace
} // namespace addrell
