#include "app/nomultiinst.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QStandardPaths>
#include <cerrno>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

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

QString NoMultiInstErsatzOrdner(const QString& TempOrdner, uid_t Benutzer) {
    return TempOrdner + QStringLiteral("/skribano-") + QString::number(Benutzer);
}

bool EigenerPrivaterOrdner(const QString& Pfad) {
    const QByteArray p = QFile::encodeName(Pfad);
    if (::mkdir(p.constData(), 0700) != 0 && errno != EEXIST) return false;
    struct stat st;
    // lstat: a link placed there by someone else is not followed.
    if (::lstat(p.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid())
        return false;
    return (st.st_mode & 0077) == 0 || ::chmod(p.constData(), 0700) == 0;
}

QString NoMultiInstPfad() {
    QString Ordner = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (Ordner.isEmpty()) {
        // Never a name shared by all users: whoever made it first could
        // keep everyone else from starting.
        Ordner = NoMultiInstErsatzOrdner(QDir::tempPath(), ::geteuid());
        if (!EigenerPrivaterOrdner(Ordner)) return QString();
    }
    return Ordner + QStringLiteral("/NoMultiMutex-") + AnzeigeName() + QStringLiteral(".lock");
}

bool NoMultiInst() {
    static std::unique_ptr<QLockFile> Sperre;
    if (Sperre) return true;
    const QString Pfad = NoMultiInstPfad();
    // Without a folder of the user's own a check is impossible; rather than
    // refuse to start, run unguarded.
    if (Pfad.isEmpty()) return true;
    auto s = std::make_unique<QLockFile>(Pfad);
    if (!s->tryLock(0)) return s->error() != QLockFile::LockFailedError;
    Sperre = std::move(s);
    return true;
}

qint64 NoMultiInstInhaber() {
    const QString Pfad = NoMultiInstPfad();
    if (Pfad.isEmpty()) return 0;
    qint64 Pid = 0;
    QString Rechner, Name;
    return QLockFile(Pfad).getLockInfo(&Pid, &Rechner, &Name) ? Pid : 0;
}
