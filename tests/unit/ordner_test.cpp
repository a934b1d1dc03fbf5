// The folder settings with their placeholders, the creation of folders and
// the time-stamped names with their running number.

#include "dateitest.h"
#include "output/ordner.h"

#include <QTemporaryDir>

namespace {

const QString Exe = QStringLiteral("/opt/skribano/");
const QString Doc = QStringLiteral("/home/anna/Dokumente");

QString Erweitert(const char* Einstellung, const QString& Dokumente = Doc) {
    return OrdnerErweitern(QString::fromUtf8(Einstellung), Exe, Dokumente);
}

void Anlegen(const QString& Pfad) {
    QFile f(Pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("x");
}

const QDateTime Zeit(QDate(2026, 3, 4), QTime(5, 6, 7));

} // namespace

TEST(OrdnerErweitern, DefaultsGoBelowTheDocumentsFolder) {
    EXPECT_EQ(Erweitert("%docdir%\\Skribano\\Screenshots"),
              "/home/anna/Dokumente/Skribano/Screenshots");
    EXPECT_EQ(Erweitert("%docdir%\\Skribano\\Email"), "/home/anna/Dokumente/Skribano/Email");
}

TEST(OrdnerErweitern, ProgramFolderWithOneSeparatorBeforeTheRest) {
    EXPECT_EQ(Erweitert("%exedir%\\Shots"), "/opt/skribano/Shots");
    EXPECT_EQ(Erweitert("%exedir%Shots"), "/opt/skribano/Shots");
    // Alone it keeps its trailing separator.
    EXPECT_EQ(Erweitert("%exedir%"), "/opt/skribano/");
}

TEST(OrdnerErweitern, PlaceholdersAreCaseSensitive) {
    EXPECT_EQ(Erweitert("%DOCDIR%\\x"), "%DOCDIR%/x");
    EXPECT_EQ(Erweitert("%ExeDir%\\x"), "%ExeDir%/x");
}

TEST(OrdnerErweitern, DoubledSeparatorsAreShortenedOnce) {
    EXPECT_EQ(Erweitert("\\\\server\\freigabe"), "/server/freigabe");
    // Three backslashes become two, then two "/", then one.
    EXPECT_EQ(Erweitert("/a\\\\\\b"), "/a/b");
    EXPECT_EQ(Erweitert("/a//b"), "/a/b");
    // A run of three "/" keeps two: each pair is shortened once.
    EXPECT_EQ(Erweitert("/a///b"), "/a//b");
    EXPECT_EQ(Erweitert("/a\\b/c"), "/a/b/c");
}

TEST(OrdnerErweitern, UnknownDocumentsFolderIsEmpty) {
    EXPECT_EQ(Erweitert("%docdir%\\Skribano", QString()), "/Skribano");
}

TEST(OrdnerBenutzbar, CreatesEveryMissingLevel) {
    QTemporaryDir t;
    const QString Tief = t.filePath("a/b/c");
    EXPECT_TRUE(OrdnerBenutzbar(Tief));
    EXPECT_TRUE(QFileInfo(Tief).isDir());
    EXPECT_TRUE(OrdnerBenutzbar(Tief));
}

TEST(OrdnerBenutzbar, NotBelowAFileNorAFileItselfNorEmpty) {
    QTemporaryDir t;
    Anlegen(t.filePath("datei"));
    EXPECT_FALSE(OrdnerBenutzbar(t.filePath("datei")));
    EXPECT_FALSE(OrdnerBenutzbar(t.filePath("datei/unten")));
    EXPECT_FALSE(OrdnerBenutzbar(QString()));
    EXPECT_EQ(Eintraege(t.path()), QStringList{"datei"});
}

TEST(ZeroPadNumber, ThreeDigitsAndNeverCut) {
    EXPECT_EQ(ZeroPadNumber(3, 0, 1), "001");
    EXPECT_EQ(ZeroPadNumber(3, 0, 42), "042");
    EXPECT_EQ(ZeroPadNumber(3, 0, 999), "999");
    EXPECT_EQ(ZeroPadNumber(3, 0, 1000), "1000");
    EXPECT_EQ(ZeroPadNumber(3, 0, 123456), "123456");
}

TEST(ZeitstempelName, DateTimeNumberAndExtension) {
    EXPECT_EQ(ZeitstempelName("/x/y", Zeit, 1, ".png"), "/x/y/20260304-050607-001.png");
    EXPECT_EQ(
        ZeitstempelName("/x/y", QDateTime(QDate(2026, 12, 31), QTime(23, 59, 58)), 1000, ".jpg"),
        "/x/y/20261231-235958-1000.jpg");
    // A folder ending in its separator gets one more.
    EXPECT_EQ(ZeitstempelName("/opt/skribano/", Zeit, 7, ".png"),
              "/opt/skribano//20260304-050607-007.png");
}

TEST(FreierZeitstempelName, TakesTheNextNumberOnwards) {
    QTemporaryDir t;
    int32_t Nr = 0;
    EXPECT_EQ(FreierZeitstempelName(t.path(), Zeit, Nr, ".png"),
              t.path() + "/20260304-050607-001.png");
    EXPECT_EQ(Nr, 1);
}

TEST(FreierZeitstempelName, SkipsNamesThatAreTaken) {
    QTemporaryDir t;
    Anlegen(ZeitstempelName(t.path(), Zeit, 1, ".png"));
    Anlegen(ZeitstempelName(t.path(), Zeit, 2, ".png"));
    // Another extension is another name.
    Anlegen(ZeitstempelName(t.path(), Zeit, 3, ".jpg"));
    int32_t Nr = 0;
    EXPECT_EQ(FreierZeitstempelName(t.path(), Zeit, Nr, ".png"),
              t.path() + "/20260304-050607-003.png");
    EXPECT_EQ(Nr, 3);
    Nr = 998;
    Anlegen(ZeitstempelName(t.path(), Zeit, 999, ".png"));
    EXPECT_EQ(FreierZeitstempelName(t.path(), Zeit, Nr, ".png"),
              t.path() + "/20260304-050607-1000.png");
    EXPECT_EQ(Nr, 1000);
}

TEST(FreierZeitstempelName, ADanglingLinkCountsAsTaken) {
    QTemporaryDir t;
    ASSERT_TRUE(QFile::link(t.filePath("nirgends"), ZeitstempelName(t.path(), Zeit, 1, ".png")));
    int32_t Nr = 0;
    EXPECT_EQ(FreierZeitstempelName(t.path(), Zeit, Nr, ".png"),
              t.path() + "/20260304-050607-002.png");
}
