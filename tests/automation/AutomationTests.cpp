#include "ErrorNumber.h"
#include "automation/AutomationError.h"
#include "automation/RequireObject.h"
#include "automation/Variant.h"

#include <gtest/gtest.h>

namespace addrell {
namespace {

using testing::errorNumber;

TEST(Automation, NothingIsNinetyOneAndTheMissingMarkerIsParamNotFound)
{
    const std::shared_ptr<int> nothing;
    EXPECT_EQ(errorNumber([&] { static_cast<void>(RequireObject(nothing)); }), 91);

    EXPECT_EQ(static_cast<std::uint32_t>(Variant::missing().toError().scode), 0x80020004u);
    EXPECT_FALSE(Variant(Variant::ErrorCode{5}).isMissing());
    EXPECT_EQ(errorNumber([] { static_cast<void>(Variant::missing().toLong()); }), 13);
}

TEST(Automation, VariantsConvertAsTheRuntimeDoes)
{
    EXPECT_EQ(Variant(true).toLong(), -1);
    EXPECT_EQ(Variant(2.5).toInteger(), 2); // half to even
    EXPECT_EQ(Variant(3.5).toInteger(), 4);
    EXPECT_EQ(Variant(QStringLiteral(" 42 ")).toLong(), 42);
    EXPECT_TRUE(Variant(QStringLiteral("true")).toBoolean());
    EXPECT_EQ(Variant(4.13F).toString(), QStringLiteral("4.13"));
    EXPECT_EQ(errorNumber([] { static_cast<void>(Variant(std::int32_t{40000}).toInteger()); }), 6);
    EXPECT_EQ(errorNumber([] { static_cast<void>(Variant(1e300).toSingle()); }), 6);
    EXPECT_EQ(errorNumber([] { static_cast<void>(Variant(QStringLiteral("x")).toLong()); }), 13);
}

} // namespace
} // namespace addrell
