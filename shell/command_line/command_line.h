#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The command line: "-L" followed by a session file name loads that file at start-up.

// Splits the argument text into at most 10 tokens: blanks and tabs separate them, a double
// quote (which stays in its token) turns the grouping of blanks on and off.
QStringList TokenizeCommandLine(const QString& line);

// The argument text rebuilt from the program's arguments (without the program's name and
// after Qt took its own options): joined by one blank, an argument holding a blank or a
// tab enclosed in double quotes.
QString CommandLineText(const QStringList& arguments);

// What the processing does with the tokens.
struct CommandLineActions {
    std::function<bool(const QString&)> LoadFile;
    std::function<void()> OpenRequestedForms;
    std::function<void()> UnknownOption;
};

// Takes the tokens in pairs: "-L" and a file name (its enclosing quotes removed unless
// removeQuotes is false) loads the file, and a successful load reopens the views; anything
// else than "-L" ends the processing with the unknown-option message. A lone last token is
// not looked at.
void ProcessCommandLine(const QStringList& tokens, const CommandLineActions& actions,
                        bool removeQuotes = true);
// The same over the program's arguments as the shell split them (at most 10): names are
// taken as they are, quotes included.
void ProcessArguments(const QStringList& arguments, const CommandLineActions& actions);

// Loads a file named on the command line: a data set never saved is offered for saving
// first, and a cancelled save dialog loads nothing.
bool LoadFromCommandLine(const QString& name);

// Processes the program's own command line (QCoreApplication::arguments()).
void GestioneCommandLine();
