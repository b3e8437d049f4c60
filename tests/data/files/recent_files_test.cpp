#include "data/files/recent_files.h"

#include "core/options.h"
#include "core/program_events.h"
#include "tests/support/event_scope.h"

#include <gtest/gtest.h>

namespace {
RecentFileSlots slotsOf(const QStringList& names) {
    RecentFileSlots mru;
    for (int k = 1; k <= 4; ++k)
        mru[k] = names.value(k - 1).leftJustified(OptionsTextLength);
    return mru;
}

QStringList namesOf(const RecentFileSlots& mru) {
    QStringList names;
    for (int k = 1; k <= 4; ++k) {
        EXPECT_EQ(mru[k].size(), OptionsTextLength) << "slot " << k;
        names.append(mru[k].trimmed());
    }
    return names;
}
} // namespace

TEST(RecentFiles, OpenedNameGoesToTheTop) {
    const QString a = QStringLiteral("/d/a.log"), b = QStringLiteral("/d/b.log"),
                  c = QStringLiteral("/d/c.log"), d = QStringLiteral("/d/d.log"),
                  e = QStringLiteral("/d/e.log"), none;
    const struct {
        QStringList before;
        QString opened;
        QStringList after;
    } cases[] = {
        {{}, a, {a, none, none, none}},
        {{a, b, c, d}, a, {a, b, c, d}},
        {{a, b, c, d}, b, {b, a, c, d}},
        {{a, b, c, d}, c, {c, a, b, d}},
        {{a, b, c, d}, d, {d, a, b, c}},
        {{a, b, c, d}, e, {e, a, b, c}},
        {{a, b, c, d}, QStringLiteral("/D/A.log"), {QStringLiteral("/D/A.log"), a, b, c}},
        {{a, none, b, none}, c, {c, a, none, b}},
        {{QStringLiteral("  /d/a.log  "), b}, a, {a, b, none, none}},
        // A name listed twice keeps only its newest place.
        {{a, b, a, c}, a, {a, b, c, none}},
        {{b, a, c, a}, a, {a, b, c, none}},
    };
    for (const auto& t : cases) {
        RecentFileSlots mru = slotsOf(t.before);
        PromoteRecentFile(mru, t.opened);
        EXPECT_EQ(namesOf(mru), t.after)
            << t.before.join(u',').toStdString() << " + " << t.opened.toStdString();
    }
}

TEST(RecentFiles, LongNamesAreCutAndStillFoundAgain) {
    const QString longName = QStringLiteral("/x/") + QString(5000, u'n');
    RecentFileSlots mru = slotsOf({QStringLiteral("a")});
    PromoteRecentFile(mru, longName);
    PromoteRecentFile(mru, longName);
    EXPECT_EQ(mru[1], longName.left(OptionsTextLength));
    EXPECT_EQ(mru[2].trimmed(), u"a");
    EXPECT_EQ(mru[3].trimmed(), QString());
}

TEST(RecentFiles, SaveMRUFileUpdatesTheOptionsAndTheDropDown) {
    const RecentFileSlots saved = Options().MRU;
    Options().MRU = slotsOf({QStringLiteral("/d/a.log"), QString(), QStringLiteral("/d/b.log")});
    int rebuilt = 0;
    EventScope events;
    events.On(&ProgramEvents::RecentFilesChanged, [&] {
        ++rebuilt;
        EXPECT_EQ(RecentFileEntries(), (QList<RecentFileEntry>{{1, QStringLiteral("/d/c.log")},
                                                               {2, QStringLiteral("/d/a.log")},
                                                               {4, QStringLiteral("/d/b.log")}}));
    });
    SaveMRUFile(QStringLiteral("/d/c.log"));
    EXPECT_EQ(rebuilt, 1);
    Options().MRU = saved;
}

TEST(RecentFiles, SplitFileName) {
    const struct {
        const char* path;
        const char* folder;
        const char* name;
    } cases[] = {
        {"/x/y/a.log", "/x/y/", "a.log"},
        {"a.log", "", "a.log"},
        {"/a.log", "/", "a.log"},
        {"dir/", "dir/", ""},
        {"", "", ""},
        {"C:\\a\\b.log", "C:\\a\\", "b.log"},
        {"\\\\server\\share\\s.log", "\\\\server\\share\\", "s.log"},
        {"/home/u/a\\b.log", "/home/u/a\\", "b.log"},
        {"C:\\a\\b/c.log", "C:\\a\\b/", "c.log"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SplitFileName(QLatin1String(c.path), 0), QLatin1String(c.folder)) << c.path;
        EXPECT_EQ(SplitFileName(QLatin1String(c.path), 1), QLatin1String(c.name)) << c.path;
        EXPECT_EQ(SplitFileName(QLatin1String(c.path), -7), QLatin1String(c.name)) << c.path;
    }
}
