#include "core/language.h"

#include "core/error_report.h"
#include "platform/paths.h"

#include <QAbstractButton>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextEdit>
#include <QVariant>
#include <QWidget>

#include <cmath>
#include <limits>

namespace {
constexpr int MaxTextLength = 1023;

QString unescape(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\\' && i + 1 < text.size()) {
            const QChar n = text.at(++i);
            if (n == u'n')
                out += u'\n';
            else if (n == u't')
                out += u'\t';
            else if (n == u'r')
                out += u'\r';
            else
                out += n;
        } else {
            out += c;
        }
    }
    return out;
}

// The number a tag holds, read the way a text-to-number conversion reads it: blanks,
// tabs and line feeds anywhere are skipped, the leading number counts and the rest is
// ignored ("12abc" is 12); a text with no leading number is 0. Rounded to 16 bits.
int tagNumber(const QString& tag) {
    QString digits;
    for (QChar c : tag) {
        if (c == u' ' || c == u'\t' || c == u'\n' || c == u'\r')
            continue;
        digits += c;
    }
    qsizetype end = 0;
    if (end < digits.size() && (digits[end] == u'+' || digits[end] == u'-'))
        ++end;
    const qsizetype firstDigit = end;
    while (end < digits.size() && digits[end].isDigit() && digits[end].unicode() < 128)
        ++end;
    if (end < digits.size() && digits[end] == u'.') {
        ++end;
        while (end < digits.size() && digits[end].isDigit() && digits[end].unicode() < 128)
            ++end;
    }
    bool ok = false;
    const double value = end > firstDigit ? digits.left(end).toDouble(&ok) : 0.0;
    if (!ok)
        return 0;
    const double rounded = std::nearbyint(value);
    if (rounded < std::numeric_limits<qint16>::min() ||
        rounded > std::numeric_limits<qint16>::max())
        RaiseError(ErrorNumber::Overflow, QStringLiteral("Overflow"));
    return static_cast<int>(rounded);
}

QString tagOf(const QObject* object) {
    const QVariant tag = object->property(TextIdProperty);
    return tag.isValid() ? tag.toString() : QString();
}

void applyText(QWidget* widget, const QString& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->setText(text);
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(widget))
        plain->setPlainText(text);
    else if (auto* rich = qobject_cast<QTextEdit*>(widget))
        rich->setPlainText(text);
    else if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(text);
    else if (auto* frame = qobject_cast<QGroupBox*>(widget))
        frame->setTitle(text);
}
} // namespace

LanguageState& Language() {
    static LanguageState state;
    return state;
}

bool ParseLanguageTable(const QByteArray& bytes, QHash<int, QString>& texts, QString* error) {
    const QStringList lines = QString::fromUtf8(bytes).split(u'\n');
    int lineNumber = 0;
    for (QString line : lines) {
        ++lineNumber;
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(u'\t');
        bool ok = false;
        const int id = fields.value(0).toInt(&ok);
        if (fields.size() != 3 || !ok || id < 0 || id >= 5000) {
            if (error)
                *error = QStringLiteral("line %1: %2").arg(lineNumber).arg(line);
            return false;
        }
        texts.insert(id, unescape(fields.at(1)));
        texts.insert(id + 5000, unescape(fields.at(2)));
    }
    return true;
}

bool InitLibrary(const QString& name) {
    return Trapped("InitLibrary", false, [&] {
        if (Language().Loaded)
            FreeResLibrary();
        QFile file(InFolder(ProgramFolder(), name));
        if (!file.open(QIODevice::ReadOnly))
            return false;
        QHash<int, QString> texts;
        if (!ParseLanguageTable(file.readAll(), texts))
            return false;
        Language().Texts = std::move(texts);
        Language().Loaded = true;
        return true;
    });
}

QList<int> MissingTextIds(const QHash<int, QString>& texts) {
    QList<int> missing;
    for (int id : UsedTextIds())
        for (int number : {id, id + 5000})
            if (texts.value(number).trimmed().isEmpty()) {
                missing.append(id);
                break;
            }
    return missing;
}

void SetLanguage(int language) {
    Trapped("SetLanguage", [&] {
        const int offset = language * 5000;
        if (offset < std::numeric_limits<qint16>::min() ||
            offset > std::numeric_limits<qint16>::max())
            RaiseError(ErrorNumber::Overflow, QStringLiteral("Overflow"));
        Language().ResOffset = static_cast<qint16>(offset);
    });
}

QString ResString(int id) {
    return Trapped("ResString", QString(), [&] {
        const int number = id + Language().ResOffset;
        if (number < std::numeric_limits<qint16>::min() ||
            number > std::numeric_limits<qint16>::max())
            RaiseError(ErrorNumber::Overflow, QStringLiteral("Overflow"));
        return Language().Texts.value(number).left(MaxTextLength);
    });
}

void FreeResLibrary() {
    Trapped("FreeResLibrary", [] {
        // Freed once: a nested shutdown must not free the table a second time.
        Language().Texts.clear();
        Language().Loaded = false;
    });
}

void SetTextId(QWidget* widget, int id) {
    widget->setProperty(TextIdProperty, QString::number(id));
}
void SetTextId(QWidget* widget, const QString& tag) {
    widget->setProperty(TextIdProperty, tag);
}

void SetUpForm(QWidget* form) {
    Trapped("SetUpForm", [&] {
        const QString formTag = tagOf(form);
        if (!formTag.isEmpty())
            form->setWindowTitle(ResString(tagNumber(formTag)));
        const QList<QWidget*> children = form->findChildren<QWidget*>();
        for (QWidget* child : children) {
            const QString tag = tagOf(child);
            if (tag.isEmpty())
                continue;
            if (auto* tabs = qobject_cast<QTabWidget*>(child)) {
                // Each page carries the id of its tab's caption.
                for (int i = 0; i < tabs->count(); ++i)
                    tabs->setTabText(i, ResString(tagNumber(tagOf(tabs->widget(i)))));
                continue;
            }
            applyText(child, ResString(tagNumber(tag)));
        }
    });
}

QString Formatta(const QString& text, int width) {
    return Trapped("Formatta", QString(),
                   [&] { return text.size() >= width ? text : text.rightJustified(width, u' '); });
}
