// Guarded calls into code that faults.
#include <gtest/gtest.h>

#include <stdint.h>

#include <stdexcept>

#include "host/fault_guard.h"

namespace {
// A write to an address no process maps, hidden from the optimiser.
void Fault() {
    volatile uintptr_t address = 16;
    *reinterpret_cast<volatile int*>(address) = 1;
}
}  // namespace

TEST(FaultGuardTest, AFaultEndsTheCallAndTheNextCallRunsNormally) {
    for (int round = 0; round < 3; ++round) {
        volatile int reached = 0;
        EXPECT_FALSE(CallGuarded([&] {
            reached = 1;
            Fault();
            reached = 2;
        }));
        EXPECT_EQ(reached, 1);
        EXPECT_TRUE(CallGuarded([&] { reached = 3; }));
        EXPECT_EQ(reached, 3);
    }
}

TEST(FaultGuardTest, NestedCallsEachCatchTheirOwn) {
    bool inner = true, after = false;
    EXPECT_FALSE(CallGuarded([&] {
        inner = CallGuarded([] { Fault(); });
        after = true;
        Fault();
    }));
    EXPECT_FALSE(inner);
    EXPECT_TRUE(after);
}

TEST(FaultGuardTest, ExceptionsThrownOnPurposePassThrough) {
    bool caught = false;
    try {
        CallGuarded([] { throw std::runtime_error("thrown"); });
    } catch (const std::runtime_error&) {
        caught = true;
    }
    EXPECT_TRUE(caught);
    // The guard was left behind by the exception: a fault outside any guarded call is
    // not taken for one of its calls.
    EXPECT_FALSE(CallGuarded([] { Fault(); }));
}
