#include "core/language.h"

#include <QDirIterator>
#include <QFile>
#include <QSet>

#include <gtest/gtest.h>

#include <algorithm>

namespace {
QString sourceDir() {
    return QStringLiteral(CORVANEL_SOURCE_DIR);
}

// Every "id<TAB>Italian<TAB>English" line of the source tables, by id.
QHash<int, QStringList> sourceTable(QStringList* problems) {
    QHash<int, QStringList> table;
    QDirIterator it(sourceDir() + QStringLiteral("/language"), {QStringLiteral("*.tsv")});
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
        for (const QString& line : lines) {
            if (line.isEmpty() || line.startsWith(u'#'))
                continue;
            const QStringList fields = line.split(u'\t');
            bool ok = false;
            const int id = fields.value(0).toInt(&ok);
            if (fields.size() != 3 || !ok) {
                problems->append(path + QStringLiteral(": malformed: ") + line);
                continue;
            }
            if (table.contains(id))
                problems->append(QStringLiteral("id %1 appears twice").arg(id));
            table.insert(id, fields.mid(1));
        }
    }
    return table;
}

} // namespace

TEST(LanguageTable, EveryLineIsWellFormedAndUnique) {
    QStringList problems;
    sourceTable(&problems);
    EXPECT_TRUE(problems.isEmpty()) << problems.join(u'\n').toStdString();
}

TEST(LanguageTable, EveryIdTheCodeUsesHasBothTexts) {
    QStringList problems;
    const QHash<int, QStringList> table = sourceTable(&problems);
    QStringList missing;
    // The list is gathered from the sources: the load-failure message and the too-long
    // identification text's are among them.
    const std::span<const int> used = UsedTextIds();
    EXPECT_NE(std::find(used.begin(), used.end(), 25), used.end());
    EXPECT_NE(std::find(used.begin(), used.end(), 28), used.end());
    EXPECT_TRUE(std::is_sorted(used.begin(), used.end()));
    for (int id : UsedTextIds()) {
        const QStringList texts = table.value(id);
        if (texts.size() != 2 || texts.at(0).trimmed().isEmpty() || texts.at(1).trimmed().isEmpty())
            missing.append(QString::number(id));
    }
    missing.sort();
    EXPECT_TRUE(missing.isEmpty())
        << "ids without both texts: " << missing.join(u' ').toStdString();
}

TEST(LanguageTable, BuiltTableHoldsEnglishAtIdPlus5000) {
    QFile built(QStringLiteral(CORVANEL_PROGRAM_DIR) + QStringLiteral("/Language.dll"));
    ASSERT_TRUE(built.open(QIODevice::ReadOnly));
    QHash<int, QString> texts;
    QString error;
    ASSERT_TRUE(ParseLanguageTable(built.readAll(), texts, &error)) << error.toStdString();
    EXPECT_EQ(texts.value(4003), QStringLiteral("Sì"));
    EXPECT_EQ(texts.value(9003), QStringLiteral("Yes"));
}
