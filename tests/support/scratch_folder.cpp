#include "tests/support/scratch_folder.h"

#include "platform/paths.h"

#include <QDir>
#include <QFile>

#ifndef CORVANEL_PROGRAM_DIR
#define CORVANEL_PROGRAM_DIR ""
#endif

ScratchProgramFolder::ScratchProgramFolder() {
    SetProgramFolderForTests(dir_.path());
    SetWritableFolderForTests(dir_.path());
}

ScratchProgramFolder::~ScratchProgramFolder() {
    SetProgramFolderForTests(QString());
    SetWritableFolderForTests(QString());
}

QString ScratchProgramFolder::File(const QString& name) const {
    return QDir(dir_.path()).filePath(name);
}

void ScratchProgramFolder::InstallSupportFiles() const {
    const QString built = QStringLiteral(CORVANEL_PROGRAM_DIR);
    for (const char* name : {"Language.dll", "Corvanel_it.hlp", "Corvanel_en.hlp"})
        QFile::copy(QDir(built).filePath(QLatin1String(name)), File(QLatin1String(name)));
}
