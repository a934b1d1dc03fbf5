#include "platform/kwinaufnahme.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusUnixFileDescriptor>
#include <QDeadlineTimer>
#include <QVariantMap>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <future>
#include <poll.h>
#include <unistd.h>

namespace {

// Everything written into the pipe until KWin closes its end, or nothing
// when it does not within the deadline.
QByteArray PipeLesen(int Fd, QDeadlineTimer Frist) {
    QByteArray Daten;
    char Puffer[65536];
    for (;;) {
        pollfd p{Fd, POLLIN, 0};
        const int Rest = int(Frist.remainingTime());
        if (Rest <= 0) return QByteArray();
        const int r = ::poll(&p, 1, Rest);
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) return QByteArray();
        const ssize_t n = ::read(Fd, Puffer, sizeof Puffer);
        if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
        if (n <= 0) return n == 0 ? Daten : QByteArray();
        Daten.append(Puffer, n);
    }
}

} // namespace

bool KWinDa() {
    const QDBusConnection Bus = QDBusConnection::sessionBus();
    return Bus.isConnected() &&
           Bus.interface()->isServiceRegistered(QStringLiteral("org.kde.KWin"));
}

QImage KWinAufnahme(const QString& Name, int FristMs) {
    if (!KWinDa()) return QImage();
    QDBusConnection Bus = QDBusConnection::sessionBus();
    const QString Dienst = QStringLiteral("org.kde.KWin");
    int Enden[2];
    if (::pipe2(Enden, O_CLOEXEC) != 0) return QImage();
    // Read while the call runs: KWin may fill the pipe before it answers.
    auto Gelesen = std::async(std::launch::async, PipeLesen, Enden[0], QDeadlineTimer(FristMs));
    QDBusMessage Antwort;
    {
        // The message holds a copy of the write end: gone before the read
        // waits for the end of the data.
        QDBusMessage Aufruf = QDBusMessage::createMethodCall(
            Dienst, QStringLiteral("/org/kde/KWin/ScreenShot2"),
            QStringLiteral("org.kde.KWin.ScreenShot2"), QStringLiteral("CaptureScreen"));
        Aufruf << Name
               << QVariantMap{{QStringLiteral("include-cursor"), false},
                              {QStringLiteral("native-resolution"), true}}
               << QVariant::fromValue(QDBusUnixFileDescriptor(Enden[1]));
        ::close(Enden[1]);
        Antwort = Bus.call(Aufruf, QDBus::Block, FristMs);
    }
    const QByteArray Daten = Gelesen.get();
    QImage Bild;
    if (Antwort.type() == QDBusMessage::ReplyMessage && !Antwort.arguments().isEmpty()) {
        const QVariantMap m = qdbus_cast<QVariantMap>(Antwort.arguments().constFirst());
        const int b = m.value(QStringLiteral("width")).toInt();
        const int h = m.value(QStringLiteral("height")).toInt();
        const int z = m.value(QStringLiteral("stride")).toInt();
        const int f = m.value(QStringLiteral("format")).toInt();
        if (b > 0 && h > 0 && z >= 4 * b && f > QImage::Format_Invalid &&
            f < QImage::NImageFormats && Daten.size() >= qsizetype(z) * h)
            Bild = QImage(reinterpret_cast<const uchar*>(Daten.constData()), b, h, z,
                          QImage::Format(f))
                       .convertToFormat(QImage::Format_RGB32);
    } else {
        std::fprintf(stderr, "Skribano: KWin: %s\n", Antwort.errorMessage().toUtf8().constData());
    }
    ::close(Enden[0]);
    return Bild;
}
