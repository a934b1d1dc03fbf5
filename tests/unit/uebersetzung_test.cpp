// LoadTranslation on a real tool window and area dialog, with the file
// beside a stand-in program folder; and the shipped English file against the
// keys of the program.

#include "app/data.h"
#include "controls/buttons2.h"
#include "overlay/auswahl.h"
#include "platform/uebersetzungsdatei.h"
#include "toolwindow/toolwin2.h"
#include "toolwindow/uebersetzung.h"

#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

class UebersetzungTest : public ::testing::Test {
protected:
    void SetUp() override {
        AlterOrdner = ProgramDir;
        AlteTexte = {StartFertigCaption, StartFertigHint};
        ProgramDir = Ordner.path() + u'/';
        Tool = std::make_unique<TToolForm>();
        Auswahl = std::make_unique<TAuswahlForm>();
    }
    void TearDown() override {
        Auswahl.reset();
        Tool.reset();
        ProgramDir = AlterOrdner;
        StartFertigCaption = AlteTexte[0];
        StartFertigHint = AlteTexte[1];
    }
    void Datei(const QByteArray& Inhalt, const QString& Pfad = {}) {
        QFile f(Pfad.isEmpty() ? ProgramDir + UebersetzungsDateiName : Pfad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(Inhalt);
    }
    QToolButton* Knopf(const char* Name) {
        return Tool->findChild<QToolButton*>(QString::fromUtf8(Name));
    }

    QTemporaryDir Ordner;
    QString AlterOrdner;
    std::array<std::array<QString, 2>, 2> AlteTexte;
    std::unique_ptr<TToolForm> Tool;
    std::unique_ptr<TAuswahlForm> Auswahl;
};

TEST_F(UebersetzungTest, WithoutFileEveryTextStays) {
    QTemporaryDir Anderer;
    Datei("[skribano_translation]\nbtn_stift=Pen\n", Anderer.filePath(UebersetzungsDateiName));
    Tool->LoadTranslation();
    EXPECT_EQ(Tool->Stift1->text(), QStringLiteral("Stift"));
    EXPECT_EQ(Knopf("StiftBtn")->toolTip(), QStringLiteral("Zeichenstift"));
    EXPECT_EQ(Auswahl->GroupBox1->title(), QStringLiteral(" Position und Größe "));
    EXPECT_EQ(Tool->LeeresBlatt1->text(), QStringLiteral("Leeres Blatt"));
}

TEST_F(UebersetzungTest, OneKeySetsMenuItemAndButtonHint) {
    Datei("[skribano_translation]\nbtn_stift=Pen\n");
    Tool->LoadTranslation();
    EXPECT_EQ(Tool->Stift1->text(), QStringLiteral("Pen"));
    EXPECT_EQ(Knopf("StiftBtn")->toolTip(), QStringLiteral("Pen"));
    EXPECT_EQ(Tool->Linie1->text(), QStringLiteral("Linie"));
}

TEST_F(UebersetzungTest, EmptyFileTrimsAndPadsAgain) {
    Datei("");
    Auswahl->OkBtn->setText(QStringLiteral("\t OK \r\n"));
    Tool->LoadTranslation();
    EXPECT_EQ(Auswahl->OkBtn->text(), QStringLiteral("OK"));
    EXPECT_EQ(Auswahl->GroupBox1->title(), QStringLiteral(" Position und Größe "));
    // The sheet menu item takes the button's hint.
    EXPECT_EQ(Tool->LeeresBlatt1->text(), QStringLiteral("Leeres Blatt..."));
    EXPECT_EQ(Tool->StartFertigBtn->text(), QStringLiteral("Start"));
    EXPECT_EQ(Tool->Strichdicke1->title(), QStringLiteral("Strichdicke"));
}

TEST_F(UebersetzungTest, EmptyValueEmptiesTheText) {
    Datei("[skribano_translation]\nbtn_blattweiss=\nbtn_groesse=\n");
    Tool->LoadTranslation();
    EXPECT_EQ(Tool->WeiesBlatt1->text(), QString());
    EXPECT_EQ(Tool->Strichdicke1->title(), QString());
}

TEST_F(UebersetzungTest, StartTextShownAtOnceAndPaddedGroupBox) {
    Datei("[skribano_translation]\nbtn_start=Go\nbtn_fertig=Stop\nauswahl_positiongroesse=Size\n"
          "auswahl_auswahlbereich=Area\nbtn_zusatzfarbe3=Three\nbtn_groesse2=Two\n");
    Tool->LoadTranslation();
    EXPECT_EQ(Tool->StartFertigBtn->text(), QStringLiteral("Go"));
    EXPECT_EQ(StartFertigCaption[1], QStringLiteral("Stop"));
    EXPECT_EQ(Auswahl->GroupBox1->title(), QStringLiteral(" Size "));
    EXPECT_EQ(Auswahl->windowTitle(), QStringLiteral("Area"));
    EXPECT_EQ(Tool->ZusatzColAktion[3]->toolTip(), QStringLiteral("Three"));
    EXPECT_EQ(Knopf("Dicke2Btn")->toolTip(), QStringLiteral("Two"));
    EXPECT_EQ(Tool->Dicke2->text(), QStringLiteral("&2"));
}

TEST_F(UebersetzungTest, EnglishFileChangesEveryText) {
    QFile Englisch(QStringLiteral(SKRIBANO_QUELLE "/resources/translations/english.ini"));
    ASSERT_TRUE(Englisch.open(QIODevice::ReadOnly));
    Datei(Englisch.readAll());
    Tool->LoadTranslation();
    for (QAction* a : Tool->PopupMenu1->findChildren<QAction*>())
        if (!a->text().isEmpty() && !a->text().startsWith(u'&'))
            EXPECT_EQ(a->text(), a->text().toLatin1()) << a->text().toStdString();
    for (QToolButton* b : Tool->findChildren<QToolButton*>())
        EXPECT_FALSE(b->toolTip().contains(QStringLiteral("ü"))) << b->toolTip().toStdString();
    EXPECT_EQ(Auswahl->LoeschenBtn->text(), QStringLiteral("Clear selection"));
    EXPECT_EQ(Tool->LeeresBlatt1->text(), QStringLiteral("Blank sheet..."));
}

TEST(UebersetzungsKeys, EnglishFileHasExactlyTheKeysOfTheProgram) {
    QFile f(QStringLiteral(SKRIBANO_QUELLE "/resources/translations/english.ini"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray Inhalt = f.readAll();
    const TUebersetzungsDatei Datei = TUebersetzungsDatei::AusInhalt(Inhalt);
    const QStringList Keys = UebersetzungsKeys();
    EXPECT_EQ(Keys.size(), 120);
    EXPECT_EQ(Keys.size(), QSet<QString>(Keys.begin(), Keys.end()).size());
    for (const QString& k : Keys)
        EXPECT_TRUE(Datei.Lesen(UebersetzungsSektion, k)) << "missing: " << k.toStdString();
    // Every key line of the file is a key of the program.
    for (const QByteArray& z : Inhalt.split('\n')) {
        const qsizetype g = z.indexOf('=');
        if (g < 0 || z.startsWith(';')) continue;
        const QString Key = QString::fromUtf8(z.left(g)).trimmed();
        EXPECT_TRUE(Keys.contains(Key)) << "unknown: " << Key.toStdString();
    }
}

TEST(DateiFilter, PairsBecomeQtFilters) {
    EXPECT_EQ(
        DateiFilter(QStringLiteral("PNG (*.png)|*.png|Pictures|*.jpg;*.bmp|odd")),
        QStringList({QStringLiteral("PNG (*.png)"), QStringLiteral("Pictures (*.jpg *.bmp)")}));
}

} // namespace
