// Any text as the program's arguments: the command line is split into at most ten tokens,
// none empty, and arguments joined into a command line come back as the same tokens.
#include "shell/command_line/command_line.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
[[noreturn]] void breach(const char* what) {
    std::fprintf(stderr, "command line fuzz: %s\n", what);
    std::abort();
}

QString unquoted(QString token) {
    if (token.startsWith(u'"'))
        token.remove(0, 1);
    if (token.endsWith(u'"'))
        token.chop(1);
    return token;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString line =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QStringList tokens = TokenizeCommandLine(line);
    if (tokens.size() > 10)
        breach("more than ten tokens");
    for (const QString& token : tokens)
        if (token.isEmpty())
            breach("an empty token");

    // The same text as separate arguments (one a line), as the system passes them.
    QStringList arguments;
    for (const QString& argument : line.split(u'\n'))
        if (!argument.isEmpty() && !argument.contains(u'"'))
            arguments.append(argument);
    const QStringList back = TokenizeCommandLine(CommandLineText(arguments));
    if (back.size() != std::min<qsizetype>(arguments.size(), 10))
        breach("arguments came back as another number of tokens");
    for (qsizetype i = 0; i < back.size(); ++i) {
        const bool plain = !arguments.at(i).contains(u' ') && !arguments.at(i).contains(u'\t');
        if ((plain ? back.at(i) : unquoted(back.at(i))) != arguments.at(i))
            breach("an argument came back otherwise");
    }
    return 0;
}
