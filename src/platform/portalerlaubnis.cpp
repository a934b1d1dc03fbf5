#include "platform/portalerlaubnis.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QStringList>

namespace {

// systemd escapes a '-' inside a name as \x2d.
QString Entschluesselt(QString Name) {
    return Name.replace(QStringLiteral("\\x2d"), QStringLiteral("-"));
}

// The user unit of a cgroup path: after user@UID.service the slices are
// skipped, the first other part is the unit.
QString NutzerEinheit(const QString& Pfad) {
    const QStringList Teile = Pfad.split(u'/', Qt::SkipEmptyParts);
    qsizetype i = 0;
    while (i < Teile.size() && !(Teile[i].startsWith(QStringLiteral("user@")) &&
                                 Teile[i].endsWith(QStringLiteral(".service"))))
        ++i;
    for (++i; i < Teile.size(); ++i)
        if (!Teile[i].endsWith(QStringLiteral(".slice"))) return Teile[i];
    return QString();
}

} // namespace

QString PortalAppIdAusCgroup(const QByteArray& Cgroup) {
    // The unified hierarchy's line ("0::/..."), also on a hybrid system.
    QString Pfad;
    for (const QByteArray& Zeile : Cgroup.split('\n'))
        if (Zeile.startsWith("0::")) Pfad = QString::fromUtf8(Zeile.mid(3));
    const QString Einheit = NutzerEinheit(Pfad);
    static const QRegularExpression Scope(
        QStringLiteral("^app-(?:[[:alnum:]]+-)?(.+?)(?:-[[:alnum:]]*)(?:\\.scope|\\.slice)$"));
    static const QRegularExpression Dienst(
        QStringLiteral("^app-(?:[[:alnum:]]+-)?(.+?)(?:@[[:alnum:]]*)?(?:-autostart)?\\.service$"));
    QRegularExpressionMatch m = Scope.match(Einheit);
    if (!m.hasMatch()) m = Dienst.match(Einheit);
    return m.hasMatch() ? Entschluesselt(m.captured(1)) : QString();
}

QString PortalAppId() {
    QFile f(QStringLiteral("/proc/self/cgroup"));
    if (!f.open(QIODevice::ReadOnly)) return QString();
    return PortalAppIdAusCgroup(f.readAll());
}

TErlaubnis ScreenshotErlaubnis(const QString& AppId) {
    QDBusMessage Aufruf = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.impl.portal.PermissionStore"),
        QStringLiteral("/org/freedesktop/impl/portal/PermissionStore"),
        QStringLiteral("org.freedesktop.impl.portal.PermissionStore"), QStringLiteral("Lookup"));
    Aufruf << QStringLiteral("screenshot") << QStringLiteral("screenshot");
    const QDBusMessage Antwort = QDBusConnection::sessionBus().call(Aufruf, QDBus::Block, 3000);
    if (Antwort.type() != QDBusMessage::ReplyMessage || Antwort.arguments().isEmpty()) {
        // A table or entry never written: nobody has been asked yet.
        return Antwort.errorName() == QStringLiteral("org.freedesktop.portal.Error.NotFound")
                   ? TErlaubnis::Offen
                   : TErlaubnis::Unbekannt;
    }
    QMap<QString, QStringList> Rechte;
    Antwort.arguments().constFirst().value<QDBusArgument>() >> Rechte;
    const auto r = Rechte.constFind(AppId);
    if (r == Rechte.cend() || r->isEmpty()) return TErlaubnis::Offen;
    if (r->constFirst() == QStringLiteral("yes")) return TErlaubnis::Ja;
    if (r->constFirst() == QStringLiteral("no")) return TErlaubnis::Nein;
    return TErlaubnis::Offen;
}
