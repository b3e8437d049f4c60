#pragma once

// Writes refused as a full disk refuses them, for the tests of what a save or a print does
// then. Inline, for the test programs of any layer.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <csignal>

#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

// While it stands, no file of the process grows beyond its size: a write past it fails
// through the real file layer, as on a disk that has run full (the signal the system sends
// for it is ignored meanwhile). Any user may set it.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        if (getrlimit(RLIMIT_FSIZE, &previous_) != 0)
            return;
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        active_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        if (active_)
            setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousSignal_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    bool Active() const { return active_; }

private:
    rlimit previous_{};
    void (*previousSignal_)(int) = SIG_DFL;
    bool active_ = false;
};

// A disk of its own, a few kilobytes of memory (tmpfs) mounted on folder, where the test runs
// as root and may mount; Fill then takes its last free byte. Unmounted when it goes.
class TinyDisk {
public:
    TinyDisk(const QString& folder, int kilobytes) : folder_(folder) {
        if (geteuid() != 0 || !QDir().mkpath(folder))
            return;
        const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k";
        mounted_ = mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0,
                         options.constData()) == 0;
    }
    ~TinyDisk() {
        if (mounted_)
            umount2(QFile::encodeName(folder_).constData(), MNT_DETACH);
    }
    TinyDisk(const TinyDisk&) = delete;
    TinyDisk& operator=(const TinyDisk&) = delete;

    bool Mounted() const { return mounted_; }
    QString FilePath(const QString& name) const { return QDir(folder_).filePath(name); }
    // Writes a filler file until the disk takes no more.
    void Fill() const {
        QFile filler(FilePath(QStringLiteral("filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return;
        const QByteArray block(512, 'f');
        while (filler.write(block) > 0) {
        }
    }

private:
    QString folder_;
    bool mounted_ = false;
};
