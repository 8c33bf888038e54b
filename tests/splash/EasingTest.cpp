#include "Exceptions.h"
#include "easing.h"

#include <gtest/gtest.h>

#include <array>

namespace {

const char* const StandardCurves[] = {"EaseNone",      "EaseInQuad", "EaseOutQuad", "EaseInOutQuad",
                                      "EaseOutInQuad", "EaseInBack", "EaseOutBack"};

double Ease(const char* name, qint64 t, qint64 d) { return TEasingManager::GetEasing(name)(t, d, 0.0, 1.0); }

// Progress at 0, d/4, d/2, 3d/4 and d, worked out by hand from the curves' formulas.
struct CurveCase {
    const char* Name;
    std::array<double, 5> Progress;
};

class CurveTable : public ::testing::TestWithParam<CurveCase> {};

TEST_P(CurveTable, GivesItsValuesAtTheQuarters) {
    const CurveCase& c = GetParam();
    const qint64 d = 1000;
    for (int quarter = 0; quarter <= 4; ++quarter)
        EXPECT_NEAR(Ease(c.Name, quarter * d / 4, d), c.Progress[quarter], 1e-12) << c.Name << " at " << quarter << "/4";
    EXPECT_EQ(Ease(c.Name, 0, d), 0.0) << c.Name;
    EXPECT_EQ(Ease(c.Name, d, d), 1.0) << c.Name;
}

INSTANTIATE_TEST_SUITE_P(
    Easing, CurveTable,
    ::testing::Values(CurveCase{"EaseNone", {0, 0.25, 0.5, 0.75, 1}},
                      CurveCase{"EaseInQuad", {0, 0.0625, 0.25, 0.5625, 1}},
                      CurveCase{"EaseOutQuad", {0, 0.4375, 0.75, 0.9375, 1}},
                      CurveCase{"EaseInOutQuad", {0, 0.125, 0.5, 0.875, 1}},
                      CurveCase{"EaseOutInQuad", {0, 0.375, 0.5, 0.625, 1}},
                      CurveCase{"EaseInBack", {0, -0.0641365625, -0.0876975, 0.1825903125, 1}},
                      CurveCase{"EaseOutBack", {0, 0.8174096875, 1.0876975, 1.0641365625, 1}}),
    [](const auto& info) { return std::string(info.param.Name); });

// The end is found by comparing with 1.0 exactly, so any rounding at t = d would leave an animation running.
TEST(Easing, EveryCurveEndsAtExactlyOneForAnyDuration) {
    for (const char* name : StandardCurves)
        for (qint64 d : {1, 3, 7, 200, 300, 333, 500, 999, 86'400'000})
            EXPECT_EQ(Ease(name, d, d), 1.0) << name << " over " << d;
}

TEST(Easing, NamesAreFoundWithoutRegardToCase) {
    EXPECT_EQ(TEasingManager::GetEasing("easenone"), TEasingManager::GetEasing("EaseNone"));
    EXPECT_EQ(TEasingManager::GetEasing("easenone")(100, 400, 0.0, 1.0), 0.25);
    EXPECT_EQ(TEasingManager::GetEasing("EASEOUTBACK"), TEasingManager::GetEasing("EaseOutBack"));
}

double Constant(qint64, qint64, double, double) { return 0.5; }

TEST(Easing, RegisteredCurvesAreAppendedAndTheFirstOfANameWins) {
    TEasingManager::RegisterEasing("EASENONE", Constant);
    TEasingManager::RegisterEasing("TestConstant", Constant);
    EXPECT_EQ(Ease("EaseNone", 100, 400), 0.25);
    EXPECT_EQ(TEasingManager::GetEasing("testconstant"), &Constant);
}

TEST(Easing, AnUnknownNameIsTheListsIndexError) {
    try {
        TEasingManager::GetEasing("EaseInCubic");
        FAIL() << "no error";
    } catch (const EListError& e) {
        EXPECT_EQ(e.Message(), "List index out of bounds (-1)");
    }
}

} // namespace
