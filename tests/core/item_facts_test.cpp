#include "editor/core/item_facts.h"

#include <gtest/gtest.h>

using namespace core;

TEST(ItemFacts, EveryDefaultAndFixedValueLiesInItsRange)
{
    std::size_t position = 0;
    for (const Item_Fact& fact : Item_Facts()) {
        EXPECT_EQ(static_cast<std::size_t>(fact.Id), position++) << fact.Item;
        EXPECT_LE(fact.Minimum, fact.Default) << fact.Item;
        EXPECT_LE(fact.Default, fact.Maximum) << fact.Item;
        if (fact.Airframer_Value) {
            EXPECT_LE(fact.Minimum, *fact.Airframer_Value) << fact.Item;
            EXPECT_LE(*fact.Airframer_Value, fact.Maximum) << fact.Item;
        }
    }
}
