#include <gtest/gtest.h>

#include "core/Text.h"

namespace kz {
namespace {

TEST(AmountText, Placeholder) { EXPECT_EQ(AmountText(0.1), "0,1"); }

}  // namespace
}  // namespace kz
