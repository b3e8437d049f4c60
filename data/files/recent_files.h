#pragma once

#include <QList>
#include <QString>

#include <array>

// The recent-files list lives in Options().MRU: mru 1 to 4, slot 1 the newest, each a
// fixed text of 4096 characters padded with blanks (an empty slot is all blanks). Slot 0
// is not used.
using RecentFileSlots = std::array<QString, 5>;

// Puts fileName at the top of the list in Options().MRU and has the open button's
// drop-down rebuilt.
void SaveMRUFile(const QString& fileName);

// The mru after fileName was opened: a name already listed moves to slot 1 (names
// differing in letter case are different files), a new one pushes the others down and the
// oldest drops out. A name is kept cut to the slot's 4096 characters and compared in that
// form, and a name listed twice (a hand-edited options file) keeps only its newest place.
void PromoteRecentFile(RecentFileSlots& mru, const QString& fileName);

// One entry of the open button's drop-down: the slot it came from and its file name.
struct RecentFileEntry {
    int slot = 0;
    QString fileName;
    friend bool operator==(const RecentFileEntry&, const RecentFileEntry&) = default;
};
// The entries to show, newest first: one for each slot that is not empty.
QList<RecentFileEntry> RecentFileEntries();
QList<RecentFileEntry> RecentFileEntries(const RecentFileSlots& mru);

// Part 0: the folder of a path up to and including its last "/" or "\" (empty when there
// is none); any other part: the name after it (the whole text when there is none).
QString SplitFileName(const QString& fileName, int part);
