// The version the caption and the splash show, cut from the file version.
#include "VersionText.h"

#include <gtest/gtest.h>

namespace {

struct TVersionCase {
    const char* FileVersion;
    const char* Short;
};

// file version  shown
const TVersionCase VersionCases[] = {
    {"1.2.0.0", "1.2"},
    {"7", "7."},
    {"1.2", "1.2"},
    {"10.20.30", "10.20"},
    {"", "."},
    {".5.", ".5"},
};

} // namespace

TEST(ShortVersion, TakesTheFirstTwoParts) {
    for (const TVersionCase& c : VersionCases)
        EXPECT_EQ(ShortVersion(QLatin1String(c.FileVersion)), QLatin1String(c.Short)) << c.FileVersion;
}

TEST(CaptionWithVersion, AppendsTwoBlanksAndTheVersion) {
    EXPECT_EQ(CaptionWithVersion(QStringLiteral("   Vortal Kestrova -  Shortcuts"), QStringLiteral("7.")),
              QStringLiteral("   Vortal Kestrova -  Shortcuts  (V.7.)"));
}
