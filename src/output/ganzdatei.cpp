#include "output/ganzdatei.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The permissions a newly created file gets from the process's umask;
// a temporary file is created private, the finished file must not be.
QFileDevice::Permissions NeueDateiRechte() {
    const mode_t Maske = umask(0);
    umask(Maske);
    const mode_t m = 0666 & ~Maske;
    QFileDevice::Permissions p;
    if (m & S_IRUSR) p |= QFileDevice::ReadOwner | QFileDevice::ReadUser;
    if (m & S_IWUSR) p |= QFileDevice::WriteOwner | QFileDevice::WriteUser;
    if (m & S_IRGRP) p |= QFileDevice::ReadGroup;
    if (m & S_IWGRP) p |= QFileDevice::WriteGroup;
    if (m & S_IROTH) p |= QFileDevice::ReadOther;
    if (m & S_IWOTH) p |= QFileDevice::WriteOther;
    return p;
}

bool Umbenennen(QTemporaryFile& Temp, const QString& Ziel, TZielVorhanden Vorhanden) {
    // QFile's rename refuses an existing target (renameat2 without
    // replacing); rename(2) replaces it in one step.
    if (Vorhanden == TZielVorhanden::Behalten) return Temp.rename(Ziel);
    Temp.close();
    return std::rename(QFile::encodeName(Temp.fileName()).constData(),
                       QFile::encodeName(Ziel).constData()) == 0;
}

} // namespace

bool DateiGanzSchreiben(const QString& Ziel, TZielVorhanden Vorhanden,
                        const std::function<bool(QIODevice&)>& Schreiber) {
    const QFileInfo Info(Ziel);
    if (Vorhanden == TZielVorhanden::Behalten && Info.exists()) return false;
    QTemporaryFile Temp(Info.absoluteDir().filePath(QStringLiteral(".skribano-XXXXXX.tmp")));
    if (!Temp.open()) return false;
    const bool Geschrieben = Schreiber(Temp) && Temp.flush() && ::fsync(Temp.handle()) == 0 &&
                             Temp.setPermissions(NeueDateiRechte());
    if (!Geschrieben || !Umbenennen(Temp, Ziel, Vorhanden)) return false;
    // The temporary name is gone; nothing is left to remove.
    Temp.setAutoRemove(false);
    return true;
}
