// The single-instance lock's folder when the runtime folder is unusable: one
// of the user's own, which no other user can make or take first.

#include "app/nomultiinst.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr uid_t Niemand = 65534;

mode_t Rechte(const QString& Pfad) {
    struct stat st {};
    EXPECT_EQ(::lstat(QFile::encodeName(Pfad).constData(), &st), 0) << Pfad.toStdString();
    return st.st_mode & 07777;
}

void Besitzer(const QString& Pfad, uid_t Uid) {
    ASSERT_EQ(::lchown(QFile::encodeName(Pfad).constData(), Uid, Uid), 0);
}

// Sets an environment variable for the life of the object.
class TUmgebung {
public:
    TUmgebung(const char* Name, const QByteArray& Wert) : FName(Name), FVorher(qgetenv(Name)) {
        FGesetzt = qEnvironmentVariableIsSet(Name);
        qputenv(Name, Wert);
    }
    ~TUmgebung() {
        if (FGesetzt)
            qputenv(FName, FVorher);
        else
            qunsetenv(FName);
    }

private:
    const char* FName;
    QByteArray FVorher;
    bool FGesetzt;
};

} // namespace

TEST(NoMultiInstErsatz, NameEnthaeltDieBenutzerkennung) {
    EXPECT_EQ(NoMultiInstErsatzOrdner(QStringLiteral("/tmp"), 1000),
              QStringLiteral("/tmp/skribano-1000"));
    EXPECT_NE(NoMultiInstErsatzOrdner(QStringLiteral("/tmp"), 1000),
              NoMultiInstErsatzOrdner(QStringLiteral("/tmp"), 1001));
    EXPECT_EQ(NoMultiInstErsatzOrdner(QStringLiteral("/var/tmp"), 0),
              QStringLiteral("/var/tmp/skribano-0"));
}

TEST(NoMultiInstErsatz, FehlenderOrdnerEntstehtNurFuerDenBenutzer) {
    QTemporaryDir t;
    const QString o = t.path() + QStringLiteral("/eigen");
    ASSERT_TRUE(EigenerPrivaterOrdner(o));
    EXPECT_EQ(Rechte(o), 0700u);
    // A second call finds it and keeps it.
    EXPECT_TRUE(EigenerPrivaterOrdner(o));
    EXPECT_EQ(Rechte(o), 0700u);
}

TEST(NoMultiInstErsatz, EigenerOffenerOrdnerWirdGeschlossen) {
    QTemporaryDir t;
    const QString o = t.path() + QStringLiteral("/offen");
    ASSERT_EQ(::mkdir(QFile::encodeName(o).constData(), 0777), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(o).constData(), 0777), 0);
    EXPECT_TRUE(EigenerPrivaterOrdner(o));
    EXPECT_EQ(Rechte(o), 0700u);
}

TEST(NoMultiInstErsatz, DateiOderVerweisAnDerStelleWirdNichtBenutzt) {
    QTemporaryDir t;
    const QString Datei = t.path() + QStringLiteral("/datei");
    QFile f(Datei);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_FALSE(EigenerPrivaterOrdner(Datei));

    // A link to a folder of our own is still not ours to trust: whoever
    // made the link could point it elsewhere.
    const QString Ziel = t.path() + QStringLiteral("/ziel");
    ASSERT_TRUE(QDir().mkdir(Ziel));
    const QString Verweis = t.path() + QStringLiteral("/verweis");
    ASSERT_TRUE(QFile::link(Ziel, Verweis));
    EXPECT_FALSE(EigenerPrivaterOrdner(Verweis));
}

TEST(NoMultiInstErsatz, OrdnerEinesAnderenBenutzersWirdNichtBenutzt) {
    if (::geteuid() != 0) GTEST_SKIP() << "Nur als root lässt sich ein fremder Ordner anlegen";
    QTemporaryDir t;
    const QString o = t.path() + QStringLiteral("/fremd");
    ASSERT_EQ(::mkdir(QFile::encodeName(o).constData(), 0777), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(o).constData(), 0777), 0);
    Besitzer(o, Niemand);
    EXPECT_FALSE(EigenerPrivaterOrdner(o));
    // Left as it was: not ours to change.
    EXPECT_EQ(Rechte(o), 0777u);
}

TEST(NoMultiInstErsatz, OhneLaufzeitordnerLiegtDieSperreImEigenenOrdner) {
    if (::geteuid() != 0) GTEST_SKIP() << "Nur als root lässt sich ein fremder Ordner anlegen";
    // The runtime folder is unusable: unset, and its stand-in in the
    // temporary folder taken by another user.
    QTemporaryDir t;
    ASSERT_EQ(::chmod(QFile::encodeName(t.path()).constData(), 01777), 0);
    const TUmgebung Tmp("TMPDIR", t.path().toUtf8());
    const TUmgebung Laufzeit("XDG_RUNTIME_DIR", QByteArray());
    const QString Fremd = t.path() + QStringLiteral("/runtime-root");
    ASSERT_TRUE(QDir().mkdir(Fremd));
    Besitzer(Fremd, Niemand);

    const QString Pfad = NoMultiInstPfad();
    EXPECT_EQ(Pfad.section(u'/', 0, -2), t.path() + QStringLiteral("/skribano-0"));
    EXPECT_TRUE(Pfad.section(u'/', -1).startsWith(QStringLiteral("NoMultiMutex-")));
    EXPECT_EQ(Rechte(t.path() + QStringLiteral("/skribano-0")), 0700u);

    // Another user made the per-user folder first: no lock at all, rather
    // than one that user controls.
    ASSERT_TRUE(QDir(t.path() + QStringLiteral("/skribano-0")).removeRecursively());
    ASSERT_TRUE(QDir().mkdir(t.path() + QStringLiteral("/skribano-0")));
    Besitzer(t.path() + QStringLiteral("/skribano-0"), Niemand);
    EXPECT_TRUE(NoMultiInstPfad().isEmpty());
}
