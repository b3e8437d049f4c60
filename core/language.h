#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include <span>

class QWidget;

// The language table: texts by number, Italian at 0..4999 and English at 5000..9999.
struct LanguageState {
    // The loaded table; empty while none is loaded.
    QHash<int, QString> Texts;
    bool Loaded = false; // stands for the module handle being set
    qint16 ResOffset = 0;
};
LanguageState& Language();

// Parses a table's text ("id<TAB>Italian<TAB>English" lines); false when a line is
// malformed. Exposed for the table's own checks.
bool ParseLanguageTable(const QByteArray& bytes, QHash<int, QString>& texts,
                        QString* error = nullptr);

bool InitLibrary(const QString& name);
// The text ids the program's sources name, ascending (gathered from them at build time).
std::span<const int> UsedTextIds();
// The ids of UsedTextIds() that texts (a table as ParseLanguageTable gives it) lacks, or
// holds only blanks for, in Italian (id) or in English (id + 5000).
QList<int> MissingTextIds(const QHash<int, QString>& texts);
void SetLanguage(int language);
QString ResString(int id);
void FreeResLibrary();

// Fills a window's caption and its controls' texts from the text ids they carry.
void SetUpForm(QWidget* form);
// Marks a window or control with the id of its text (the property SetUpForm reads). The
// caption of a tab of a QTabWidget takes the id on the tab's page widget; the QTabWidget
// itself needs an id of its own (any) for its tabs to be filled.
void SetTextId(QWidget* widget, int id);
void SetTextId(QWidget* widget, const QString& tag);
inline constexpr const char* TextIdProperty = "textId";

// Pads on the left with blanks to width characters; never cuts.
QString Formatta(const QString& text, int width);
