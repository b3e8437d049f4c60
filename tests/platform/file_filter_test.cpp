#include "platform/file_filter.h"

#include <gtest/gtest.h>

TEST(FileFilter, ANameWithoutSuffixTakesTheChosenKinds) {
    const QString session = QStringLiteral("Corvanel Log File (*.log);;All files (*)");
    const QString table = QStringLiteral("Text (*.txt);;All files (*)");
    struct Case {
        QString typed;
        QString filters;
        int index;
        QString saved;
    };
    const Case cases[] = {
        {"/o/sess1", session, 0, "/o/sess1.log"},
        {"/o/sess1", table, 0, "/o/sess1.txt"},
        {"C:\\o\\sess1", session, 0, "C:\\o\\sess1.log"},
        // A name that already says its kind, or a kind that names no suffix, stays.
        {"/o/sess1.log", session, 0, "/o/sess1.log"},
        {"/o/sess1.dat", session, 0, "/o/sess1.dat"},
        {"/o/sess1", session, 1, "/o/sess1"},
        // A dot in a folder's name is not the file's suffix.
        {"/o.d/sess1", session, 0, "/o.d/sess1.log"},
        // No kind chosen (or none known): the name as typed.
        {"/o/sess1", session, -1, "/o/sess1"},
        {"/o/sess1", session, 2, "/o/sess1"},
        {"", session, 0, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WithFilterSuffix(c.typed, c.filters, c.index), c.saved)
            << c.typed.toStdString() << " " << c.index;
}

TEST(FileFilter, FiltersBecomeQtFilters) {
    EXPECT_EQ(QtFilterFromParts("Corvanel Log File (*.log)|*.log|All (*.*)|*.*"),
              QStringLiteral("Corvanel Log File (*.log);;All (*)"));
    EXPECT_EQ(QtFilterFromParts("Tables|*.csv;*.tab"), QStringLiteral("Tables (*.csv *.tab)"));
    EXPECT_EQ(QtFilterFromParts(""), QString());
    EXPECT_EQ(FilterSuffix(QStringLiteral("T3008 (*.jpg)")), QStringLiteral("jpg"));
    EXPECT_EQ(FilterSuffix(QStringLiteral("T3002 (*)")), QString());
}
