#pragma once
// Whether the desktop lets this program take screenshots without asking.
// xdg-desktop-portal asks the user once per application and keeps the answer
// in its permission store (table "screenshot", entry "screenshot"), keyed by
// the application ID it derives from the process's systemd scope; a program
// started from a terminal has none and is asked for as "".

#include <QByteArray>
#include <QString>

// The application ID the portal derives from a /proc/<pid>/cgroup text: the
// unit below user@UID.service, when it is an application's
// (app[-<launcher>]-<ID>-<random>.scope, app[-<launcher>]-<ID>[@<random>].service);
// "" otherwise.
QString PortalAppIdAusCgroup(const QByteArray& Cgroup);
// The same for this process.
QString PortalAppId();

// What the permission store holds for AppId: Ja, Nein, nothing yet (Offen),
// or Unbekannt when the store cannot be read.
enum class TErlaubnis { Ja, Nein, Offen, Unbekannt };
TErlaubnis ScreenshotErlaubnis(const QString& AppId);
