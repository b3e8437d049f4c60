#include "data/files/recent_files.h"

#include "core/error_report.h"
#include "core/options.h"
#include "core/program_events.h"

namespace {
constexpr int FirstSlot = 1;
constexpr int LastSlot = 4;

// The form a name has in its slot: cut to the slot's length at a character boundary.
QString storedForm(const QString& name) {
    QString cut = name.left(OptionsTextLength);
    if (cut.size() == OptionsTextLength && cut.back().isHighSurrogate())
        cut.chop(1);
    return cut;
}

QString padded(const QString& name) {
    return storedForm(name).leftJustified(OptionsTextLength, u' ');
}
} // namespace

void PromoteRecentFile(RecentFileSlots& mru, const QString& fileName) {
    const QString name = storedForm(fileName);
    bool found = false;
    for (int k = FirstSlot; k <= LastSlot;) {
        mru[k] = padded(mru[k].trimmed());
        if (mru[k].trimmed() != name) {
            ++k;
            continue;
        }
        if (!found) {
            // Move slot k to the top, the ones above it down by one.
            const QString match = mru[k];
            for (int j = k; j > FirstSlot; --j)
                mru[j] = mru[j - 1];
            mru[FirstSlot] = match;
            found = true;
            ++k;
        } else {
            // A second copy: drop it and close the gap.
            for (int j = k; j < LastSlot; ++j)
                mru[j] = mru[j + 1];
            mru[LastSlot] = padded(QString());
        }
    }
    if (!found) {
        for (int j = LastSlot; j > FirstSlot; --j)
            mru[j] = mru[j - 1];
        mru[FirstSlot] = padded(name);
    }
}

void SaveMRUFile(const QString& fileName) {
    Trapped("SaveMRUFile", [&] {
        PromoteRecentFile(Options().MRU, fileName);
        emit Events().RecentFilesChanged();
    });
}

QList<RecentFileEntry> RecentFileEntries(const RecentFileSlots& mru) {
    QList<RecentFileEntry> entries;
    for (int k = FirstSlot; k <= LastSlot; ++k) {
        const QString name = mru[k].trimmed();
        if (!name.isEmpty())
            entries.append({k, name});
    }
    return entries;
}

QList<RecentFileEntry> RecentFileEntries() {
    return RecentFileEntries(Options().MRU);
}

QString SplitFileName(const QString& fileName, int part) {
    return Trapped("SplitFileName", QString(), [&] {
        // Names typed or stored on the other platform carry backslashes.
        const qsizetype slash = qMax(fileName.lastIndexOf(u'/'), fileName.lastIndexOf(u'\\'));
        if (part == 0)
            return slash < 0 ? QString() : fileName.left(slash + 1);
        return slash < 0 ? fileName : fileName.mid(slash + 1);
    });
}
