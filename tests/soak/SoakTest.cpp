// A few game years of a headless player, on several seeds: every month end
// must leave the building, the staff, the money and the calendar consistent,
// and a save and load in between must not change the next month.
#include <gtest/gtest.h>

#include "soak/SoakPlayer.h"

TEST(Soak, AFewYearsOnSeveralSeedsKeepEverythingConsistent) {
    soak::Outcome total;
    for (uint32_t seed : {1u, 2u, 3u, 4u}) {
        const soak::Outcome o = soak::play(seed, 6);
        EXPECT_TRUE(o.faults.isEmpty()) << o.faults.join(u'\n').toStdString();
        total.months += o.months;
        total.saves += o.saves;
        total.loans += o.loans;
        total.repayments += o.repayments;
        total.tenants += o.tenants;
        total.extensions += o.extensions;
    }
    // The player really played: every kind of move happened.
    EXPECT_GT(total.months, 200);
    EXPECT_GT(total.saves, 5);
    EXPECT_GT(total.loans, 3);
    EXPECT_GT(total.repayments, 0);
    EXPECT_GT(total.tenants, 50);
    EXPECT_GT(total.extensions, 5);
}
