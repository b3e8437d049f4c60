#include "core/language.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

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

// Text ids named in the program's sources: ResString(n), SetTextId(w, n), TextId::... = n.
QSet<int> idsUsedInCode() {
    QSet<int> ids;
    static const QRegularExpression call(
        QStringLiteral(R"((?:ResString|SetTextId|TextIdOf)\s*\((?:[^,()]*,\s*)?(\d+)\s*\))"));
    for (const char* dir : {"shell", "link", "data", "views", "platform"}) {
        QDirIterator it(sourceDir() + u'/' + QLatin1String(dir),
                        {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            if (!file.open(QIODevice::ReadOnly))
                continue;
            const QString text = QString::fromUtf8(file.readAll());
            auto matches = call.globalMatch(text);
            while (matches.hasNext())
                ids.insert(matches.next().captured(1).toInt());
        }
    }
    return ids;
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
    for (int id : idsUsedInCode()) {
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
