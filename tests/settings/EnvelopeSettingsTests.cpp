#include "TempFiles.h"
#include "settings/EnvelopeSettings.h"

#include <QFile>
#include <gtest/gtest.h>

#include <optional>

namespace addrell {
namespace {

TEST(EnvelopeSettings, AFirstStartReadsTheDefaultsAndWritesNothing)
{
    const testing::TempFiles config;
    {
        const EnvelopeSettings settings(config.path());
        EXPECT_FALSE(settings.printCenter());
        EXPECT_EQ(settings.returnAddressFile(), QString());
    }
    EXPECT_FALSE(QFile::exists(config.path() + "/Addrell/Addrell.conf"));
}

TEST(EnvelopeSettings, ValuesSurviveARestartAndUnreadableOnesReadAsTheDefault)
{
    const testing::TempFiles config;
    std::optional<EnvelopeSettings> settings(std::in_place, config.path());
    settings->setPrintCenter(true);
    settings->setReturnAddressFile("/home/pat/Addresses.txt");
    settings.reset(); // the program ends
    ASSERT_TRUE(QFile::exists(EnvelopeSettings::fileIn(config.path())));
    settings.emplace(config.path());
    EXPECT_TRUE(settings->printCenter());
    EXPECT_EQ(settings->returnAddressFile(), "/home/pat/Addresses.txt");
    settings->setPrintCenter(false);
    EXPECT_FALSE(settings->printCenter());
    settings.reset();

    // Edited by hand into something that means nothing.
    config.write("Addrell/Addrell.conf", "[Printing]\nFeed=Sideways\n");
    settings.emplace(config.path());
    EXPECT_FALSE(settings->printCenter());
}

} // namespace
} // namespace addrell
