#include "ErrorNumber.h"
#include "automation/AutomationError.h"
#include "automation/RequireObject.h"
#include "automation/Variant.h"

#include <gtest/gtest.h>

#include <limits>

namespace addrell {
namespace {

using testing::errorNumber;

TEST(AutomationError, RuntimeErrorsCarryTheClassicNumbersAndTexts)
{
    const AutomationError error = AutomationError::runtime(RuntimeError::ObjectNotSet);
    EXPECT_EQ(error.number(), 91);
    EXPECT_EQ(error.description(),
              QStringLiteral("Object variable or With block variable not set"));
    EXPECT_EQ(error.source(), QStringLiteral("Addrell"));
    EXPECT_STREQ(error.what(), "91: Object variable or With block variable not set (Addrell)");

    const AutomationError server(-2147352567, QStringLiteral("Busy"), QStringLiteral("Word"));
    EXPECT_EQ(server.number(), -2147352567);
    EXPECT_EQ(server.source(), QStringLiteral("Word"));
}

TEST(RequireObject, RaisesNinetyOneForNothing)
{
    const auto something = std::make_shared<int>(7);
    EXPECT_EQ(RequireObject(something), 7);
    const std::shared_ptr<int> nothing;
    EXPECT_EQ(errorNumber([&] { static_cast<void>(RequireObject(nothing)); }), 91);
}

TEST(Variant, MissingArgumentMarker)
{
    const Variant missing = Variant::missing();
    EXPECT_EQ(missing.type(), Variant::Type::Error);
    EXPECT_TRUE(missing.isMissing());
    EXPECT_EQ(static_cast<std::uint32_t>(missing.toError().scode), 0x80020004u);
    EXPECT_FALSE(Variant(Variant::ErrorCode{5}).isMissing());
    EXPECT_FALSE(Variant().isMissing());
    EXPECT_EQ(errorNumber([&] { static_cast<void>(missing.toLong()); }), 13);
}

TEST(Variant, ConvertsAsTheRuntimeDoes)
{
    EXPECT_EQ(Variant(true).toInteger(), -1);
    EXPECT_EQ(Variant(true).toLong(), -1);
    EXPECT_EQ(Variant(false).toLong(), 0);
    EXPECT_EQ(Variant(2.5).toInteger(), 2); // half to even
    EXPECT_EQ(Variant(3.5).toInteger(), 4);
    EXPECT_EQ(Variant(QStringLiteral(" 42 ")).toLong(), 42);
    EXPECT_FLOAT_EQ(Variant(std::int16_t{3}).toSingle(), 3.0F);
    EXPECT_EQ(Variant(std::int32_t{40000}).type(), Variant::Type::Long);
    EXPECT_EQ(errorNumber([] { static_cast<void>(Variant(std::int32_t{40000}).toInteger()); }), 6);
    EXPECT_EQ(errorNumber([] { static_cast<void>(Variant(1e300).toSingle()); }), 6);
    EXPECT_EQ(errorNumber([] { static_cast<void>(Variant(QStringLiteral("x")).toLong()); }), 13);
    EXPECT_TRUE(Variant(QStringLiteral("true")).toBoolean());
    EXPECT_TRUE(Variant(std::int16_t{-1}).toBoolean());
    EXPECT_EQ(Variant(true).toString(), QStringLiteral("True"));
    EXPECT_EQ(Variant(4.13F).toString(), QStringLiteral("4.13"));
    EXPECT_EQ(Variant().toString(), QString());
    EXPECT_EQ(Variant(std::int16_t{1}), Variant(std::int16_t{1}));
    EXPECT_NE(Variant(std::int16_t{1}), Variant(std::int32_t{1}));
}

} // namespace
} // namespace addrell
