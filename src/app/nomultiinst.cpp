#include "app/nomultiinst.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>
#include <memory>

namespace {

QString AnzeigeName() {
    QString d = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (d.isEmpty()) d = qEnvironmentVariable("DISPLAY");
    if (d.isEmpty()) d = QStringLiteral("ohne");
    for (QChar& c : d)
        if (!c.isLetterOrNumber() && c != u'.' && c != u'-') c = u'_';
    return d;
}

} // namespace

QString NoMultiInstPfad() {
    QString Ordner = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (Ordner.isEmpty()) Ordner = QDir::tempPath();
    return Ordner + QStringLiteral("/NoMultiMutex-") + AnzeigeName() + QStringLiteral(".lock");
}

bool NoMultiInst() {
    static std::unique_ptr<QLockFile> Sperre;
    if (Sperre) return true;
    auto s = std::make_unique<QLockFile>(NoMultiInstPfad());
    if (!s->tryLock(0)) {
        // Without a usable runtime folder a check is impossible; rather than
        // refuse to start, run unguarded.
        if (s->error() != QLockFile::LockFailedError) return true;
        return false;
    }
    Sperre = std::move(s);
    return true;
}
