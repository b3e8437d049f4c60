#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Ends the program as its Exit command does and has it started again: the shutdown runs
// once (it offers to save the data set and writes the options file, which holds the new
// language the next start reads). It runs from the event loop once the caller (the
// settings dialog) has closed. A user who keeps the program at the shutdown's question
// keeps it running, with the new language for the next start.
void RestartProgram();

// Launches a program detached from this one; true when it started.
using ProgramStarter = std::function<bool(const QString& program, const QStringList& arguments)>;
// After the event loop has ended: starts the program's executable again when a restart was
// asked for, through start (a detached process unless a test gives its own). True when
// one was started.
bool StartAgainIfAsked(const ProgramStarter& start = {});
