#pragma once

#include <QString>
#include <QTemporaryDir>

// A fresh program folder for one test: the program's support files are looked for and
// written there while it lives.
class ScratchProgramFolder {
public:
    ScratchProgramFolder();
    ~ScratchProgramFolder();
    QString Path() const { return dir_.path(); }
    QString File(const QString& name) const;
    // Copies the built language table and help files in, as an installed program has them.
    void InstallSupportFiles() const;

private:
    QTemporaryDir dir_;
};
