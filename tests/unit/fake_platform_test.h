// Fixture: a fresh fake platform per test, and no Text left unreleased at its end.
#pragma once

#include <gtest/gtest.h>

#include "tests/unit/fake_platform.h"

class FakePlatformTest : public ::testing::Test {
protected:
    void SetUp() override { reset_fake(); }
    void TearDown() override {
        EXPECT_TRUE(fake().live.empty()) << fake().live.size() << " Text(s) never released";
        EXPECT_TRUE(fake().bad_frees.empty()) << "released a block the heap never handed out";
    }
};
