#include "Exceptions.h"
#include "Resources.h"

#include <gtest/gtest.h>

TEST(Resources, EmbeddedTableOpensByItsBareName) {
    const QByteArray keys = LoadResource("KES_KEYS");
    EXPECT_TRUE(keys.startsWith("key = "));
    EXPECT_TRUE(ResourceExists("KES_KEYS"));
}

TEST(Resources, MissingNameRaisesNotFound) {
    for (const char* name : {"NO_SUCH_TABLE", "kes_keys", ""}) {
        try {
            LoadResource(name);
            ADD_FAILURE() << "no error for " << name;
        } catch (const EResNotFound& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("Resource %1 not found").arg(name));
        }
        EXPECT_FALSE(ResourceExists(name));
    }
}
