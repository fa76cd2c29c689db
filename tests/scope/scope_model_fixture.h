#pragma once
// A response model on a 1000 x 400 client with 15 PEQ bands, as the Music page builds it.

#include <gtest/gtest.h>

#include "controls/core/response_model.h"

namespace velto::test {

class ScopeModelTest : public testing::Test {
  protected:
    static constexpr IntRect kClient{0, 0, 1000, 400};

    void SetUp() override { ASSERT_TRUE(model.InitBands(15, kClient)); }

    int W() const { return model.Geometry().Width(); }
    int H() const { return model.Geometry().Height(); }
    bool Flat(int b) const {
        for (double v : model.Band(b).curve) {
            if (v != 0.0) return false;
        }
        return true;
    }

    ResponseModel model;
};

}  // namespace velto::test
