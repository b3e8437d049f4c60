#include "shell/command_line/command_line.h"

#include "core/error_report.h"
#include "data/files/session_file.h"
#include "data/files/unsaved_data.h"
#include "platform/ui_services.h"
#include "shell/main/frm_main.h"

#include <QCoreApplication>

namespace {
constexpr int MaxTokens = 10;

bool isSeparator(QChar c) {
    return c == u' ' || c == u'\t';
}
} // namespace

QStringList TokenizeCommandLine(const QString& line) {
    QStringList tokens;
    bool inToken = false;
    bool inQuotes = false;
    for (const QChar c : line) {
        if (!isSeparator(c)) {
            if (!inToken) {
                if (tokens.size() == MaxTokens)
                    break;
                tokens.append(QString());
                inToken = true;
            }
            if (c == u'"')
                inQuotes = !inQuotes;
            tokens.last() += c;
        } else if (inQuotes) {
            tokens.last() += c;
        } else {
            inToken = false;
        }
    }
    return tokens;
}

QString CommandLineText(const QStringList& arguments) {
    QStringList parts;
    for (const QString& argument : arguments) {
        const bool hasSeparator = argument.contains(u' ') || argument.contains(u'\t');
        parts.append(hasSeparator ? u'"' + argument + u'"' : argument);
    }
    return parts.join(u' ');
}

void ProcessCommandLine(const QStringList& tokens, const CommandLineActions& actions,
                        bool removeQuotes) {
    for (qsizetype i = 0; i + 1 < tokens.size(); i += 2) {
        if (tokens.at(i) != u"-L") {
            if (actions.UnknownOption)
                actions.UnknownOption();
            return;
        }
        QString name = tokens.at(i + 1);
        if (removeQuotes && name.startsWith(u'"'))
            name.remove(0, 1);
        if (removeQuotes && name.endsWith(u'"'))
            name.chop(1);
        if (actions.LoadFile && actions.LoadFile(name) && actions.OpenRequestedForms)
            actions.OpenRequestedForms();
    }
}

void ProcessArguments(const QStringList& arguments, const CommandLineActions& actions) {
    // The shell has split the line and taken its quotes away already: a quote left at
    // either end of a name belongs to the name.
    ProcessCommandLine(arguments.mid(0, MaxTokens), actions, false);
}

bool LoadFromCommandLine(const QString& name) {
    return MayReplaceCurrentData() && LoadFile(name);
}

void GestioneCommandLine() {
    Trapped("GestioneCommandLine", [] {
        CommandLineActions actions;
        actions.LoadFile = LoadFromCommandLine;
        actions.OpenRequestedForms = [] {
            if (MainWindowLoaded())
                MainWindow().OpenRequestedForms();
        };
        actions.UnknownOption = [] {
            Ui().StandardBox(QStringLiteral("Parametro sconosciuto in riga di comando"),
                             QCoreApplication::applicationName(), StandardIcon::None,
                             StandardButtons::Ok);
        };
        ProcessArguments(QCoreApplication::arguments().mid(1), actions);
    });
}
