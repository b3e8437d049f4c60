#include "views/windows/up_down_arrows.h"

#include <QToolButton>

#include <gtest/gtest.h>

TEST(UpDownArrows, RepeatWhileHeldAndTakeTheirNamesFromTheBox) {
    for (const bool takesFocus : {true, false}) {
        UpDownArrows arrows(QSize(16, 11), takesFocus);
        arrows.SetNames(QStringLiteral("Passo"));
        const struct {
            QToolButton* arrow;
            Qt::ArrowType type;
            const char* name;
        } cases[] = {{arrows.Up, Qt::UpArrow, "Passo +1"},
                     {arrows.Down, Qt::DownArrow, "Passo -1"}};
        for (const auto& c : cases) {
            ASSERT_TRUE(c.arrow);
            EXPECT_EQ(c.arrow->arrowType(), c.type);
            EXPECT_TRUE(c.arrow->autoRepeat());
            EXPECT_EQ(c.arrow->size(), QSize(16, 11));
            EXPECT_EQ(c.arrow->accessibleName(), QLatin1String(c.name));
            EXPECT_EQ(c.arrow->toolTip(), QLatin1String(c.name));
            EXPECT_EQ(c.arrow->focusPolicy() == Qt::NoFocus, !takesFocus) << c.name;
        }
    }
}
