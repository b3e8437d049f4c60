#include "platform/busy_pointer.h"

#include <gtest/gtest.h>

#include <stdexcept>

TEST(BusyPointer, ShowsForTheScopeAndIsRestoredOnEveryWayOut) {
    ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr);
    {
        BusyPointer outer;
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        {
            BusyPointer inner; // a busy step inside another keeps the pointer busy after it
        }
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    try {
        BusyPointer busy;
        throw std::runtime_error("load failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}
