#include "platform/uebersetzungsdatei.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

std::optional<QString> Wert(const QByteArray& Inhalt, const char* Key = "btn_stift",
                            const char* Sektion = "skribano_translation") {
    return TUebersetzungsDatei::AusInhalt(Inhalt).Lesen(QString::fromUtf8(Sektion),
                                                        QString::fromUtf8(Key));
}

} // namespace

TEST(UebersetzungsDatei, SectionAndKeyIgnoreCase) {
    EXPECT_EQ(Wert("[Skribano_Translation]\nBTN_Stift=Pen\n"), QStringLiteral("Pen"));
}

TEST(UebersetzungsDatei, BlanksAroundNamesAndEqualsIgnored) {
    EXPECT_EQ(Wert("  [ skribano_translation ]  \r\n\t btn_stift \t=  Pen on paper \t\r\n"),
              QStringLiteral("Pen on paper"));
}

TEST(UebersetzungsDatei, ValueKeptWhole) {
    EXPECT_EQ(Wert("[skribano_translation]\nbtn_stift=Save, now; please # really = yes\n"),
              QStringLiteral("Save, now; please # really = yes"));
}

TEST(UebersetzungsDatei, OnePairOfEqualQuotesRemoved) {
    const QByteArray Kopf = "[skribano_translation]\nbtn_stift=";
    EXPECT_EQ(Wert(Kopf + "\" Pen \""), QStringLiteral(" Pen "));
    EXPECT_EQ(Wert(Kopf + "'Pen'"), QStringLiteral("Pen"));
    EXPECT_EQ(Wert(Kopf + "\"\"Pen\"\""), QStringLiteral("\"Pen\""));
    EXPECT_EQ(Wert(Kopf + "\"Pen'"), QStringLiteral("\"Pen'"));
    EXPECT_EQ(Wert(Kopf + "\""), QStringLiteral("\""));
    EXPECT_EQ(Wert(Kopf + "\"\""), QString());
    EXPECT_EQ(Wert(Kopf + "'Fertig' [F9]"), QStringLiteral("'Fertig' [F9]"));
}

TEST(UebersetzungsDatei, LongValueCutAt2047Characters) {
    const QByteArray Lang(3000, 'a');
    const auto w = Wert("[skribano_translation]\nbtn_stift=" + Lang + "\n");
    ASSERT_TRUE(w);
    EXPECT_EQ(w->size(), 2047);
    // Characters, not bytes: "ü" takes two bytes.
    QByteArray Umlaute;
    for (int i = 0; i < 2100; ++i)
        Umlaute += "\xC3\xBC";
    EXPECT_EQ(Wert("[skribano_translation]\nbtn_stift=" + Umlaute)->size(), 2047);
    // The quotes are removed from the whole value before it is cut.
    const auto q = Wert("[skribano_translation]\nbtn_stift=\"" + Lang + "\"");
    EXPECT_EQ(*q, QString(2047, u'a'));
}

TEST(UebersetzungsDatei, ByteOrderMarkAccepted) {
    EXPECT_EQ(Wert("\xEF\xBB\xBF[skribano_translation]\nbtn_stift=Stift \xC3\xBC"),
              QStringLiteral("Stift ü"));
}

TEST(UebersetzungsDatei, FirstOfDuplicateKeysWins) {
    EXPECT_EQ(Wert("[skribano_translation]\nbtn_stift=Pen\nBTN_STIFT=Pencil\n"),
              QStringLiteral("Pen"));
    // A repeated section adds nothing.
    EXPECT_EQ(Wert("[skribano_translation]\na=1\n[skribano_translation]\nbtn_stift=Pen\n"),
              std::nullopt);
}

TEST(UebersetzungsDatei, OtherSectionsAndStrayLinesIgnored) {
    const QByteArray Inhalt = "btn_stift=vor der Sektion\n[andere]\nbtn_stift=Andere\n"
                              "[skribano_translation]\nbtn_stift\n; btn_linie=Kommentar\n"
                              "[ohne Ende\nbtn_linie=Line\n";
    EXPECT_EQ(Wert(Inhalt), std::nullopt);
    EXPECT_EQ(Wert(Inhalt, "btn_linie"), QStringLiteral("Line"));
    EXPECT_EQ(Wert(Inhalt, "btn_stift", "andere"), QStringLiteral("Andere"));
}

TEST(UebersetzungsDatei, EmptyValueIsAValue) {
    EXPECT_EQ(Wert("[skribano_translation]\nbtn_stift=\n"), QString());
    EXPECT_EQ(Wert("[skribano_translation]\nbtn_stift =   \n"), QString());
}

TEST(UebersetzungsDatei, LineEndsOfEveryKind) {
    const QByteArray Inhalt = "[skribano_translation]\rbtn_stift=Pen\rbtn_linie=Line\r\n"
                              "btn_pfeil=Arrow\n\nbtn_text=Text";
    EXPECT_EQ(Wert(Inhalt), QStringLiteral("Pen"));
    EXPECT_EQ(Wert(Inhalt, "btn_linie"), QStringLiteral("Line"));
    EXPECT_EQ(Wert(Inhalt, "btn_pfeil"), QStringLiteral("Arrow"));
    EXPECT_EQ(Wert(Inhalt, "btn_text"), QStringLiteral("Text"));
}

TEST(UebersetzungsDatei, BinaryAndEmptyContentHaveNoKeys) {
    EXPECT_EQ(Wert(QByteArray()), std::nullopt);
    EXPECT_EQ(Wert(QByteArray("\x00\xFF\xFE\x80[\x00]=\x01", 10)), std::nullopt);
    // Bytes that are not UTF-8 are kept as replacement characters.
    EXPECT_EQ(Wert("[skribano_translation]\nbtn_stift=a\xFF"
                   "b"),
              QStringLiteral("a\uFFFDb"));
}

TEST(UebersetzungsDatei, MissingFileIsNoFileUnreadableFileHasNoKeys) {
    QTemporaryDir Ordner;
    const QString Pfad = Ordner.filePath(QStringLiteral("skribano_translation.ini"));
    EXPECT_FALSE(TUebersetzungsDatei::Oeffnen(Pfad));
    QFile Datei(Pfad);
    ASSERT_TRUE(Datei.open(QIODevice::WriteOnly));
    Datei.write("[skribano_translation]\nbtn_stift=Pen\n");
    Datei.close();
    EXPECT_EQ(TUebersetzungsDatei::Oeffnen(Pfad)->Lesen(QStringLiteral("skribano_translation"),
                                                        QStringLiteral("btn_stift")),
              QStringLiteral("Pen"));
    // A folder of that name is no file.
    EXPECT_FALSE(TUebersetzungsDatei::Oeffnen(Ordner.path()));
}
