// LoadTranslation on a real tool window and area dialog, with the file
// beside a stand-in program folder; and the shipped English file against the
// keys of the program.

#include "app/data.h"
#include "controls/buttons2.h"
#include "output/druck.h"
#include "overlay/auswahl.h"
#include "platform/uebersetzungsdatei.h"
#include "settings/einstellungen.h"
#include "settings/info.h"
#include "toolwindow/toolwin2.h"
#include "toolwindow/uebersetzung.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
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
    Datei("[skribano_translation]\nbtn_blattweiss=\nbtn_groesse=\nspeichern_filter=\n");
    Tool->LoadTranslation();
    EXPECT_EQ(Tool->WeiesBlatt1->text(), QString());
    EXPECT_EQ(Tool->Strichdicke1->title(), QString());
    // No filter: the save dialog offers every file.
    EXPECT_EQ(Tool->SaveBMPFilter, QString());
    EXPECT_TRUE(Tool->SaveBMP().nameFilters().isEmpty());
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

bool ImDateiDialog(const QObject* o) {
    for (; o; o = o->parent())
        if (qobject_cast<const QFileDialog*>(o)) return true;
    return false;
}

// Every text a user can meet in the tool window, its menus and the dialogs;
// the inside of Qt's file dialog is Qt's own. A menu item's hint is never
// shown; a button's is.
QSet<QString> SichtbareTexte(const QList<QWidget*>& Fenster) {
    QSet<QString> Texte;
    for (QWidget* f : Fenster) {
        Texte << f->windowTitle();
        for (QAbstractButton* b : f->findChildren<QAbstractButton*>())
            if (!ImDateiDialog(b)) Texte << b->text() << b->toolTip();
        for (QLabel* l : f->findChildren<QLabel*>())
            if (!ImDateiDialog(l)) Texte << l->text();
        for (QGroupBox* g : f->findChildren<QGroupBox*>())
            Texte << g->title();
        for (QAction* a : f->findChildren<QAction*>())
            if (!ImDateiDialog(a)) Texte << a->text();
        for (QMenu* m : f->findChildren<QMenu*>())
            Texte << m->title();
        for (QFileDialog* d : f->findChildren<QFileDialog*>())
            Texte << d->windowTitle() << d->nameFilters().join(u'|');
    }
    QSet<QString> Getrimmt;
    for (const QString& t : Texte)
        Getrimmt << t.trimmed();
    return Getrimmt;
}

// With the English file, no German text is left in the tool window, its
// menus and the dialogs (the info box's legal text is not translated).
TEST_F(UebersetzungTest, EnglishFileLeavesNoGermanText) {
    auto Druck = std::make_unique<TDruckForm>();
    auto Einstellungen = std::make_unique<TEinstellungenForm>();
    auto Info = std::make_unique<TInfoBox>();
    const QList<QWidget*> Fenster = {Tool.get(), Auswahl.get(), Druck.get(), Einstellungen.get()};
    const QSet<QString> Deutsch = SichtbareTexte(Fenster);
    QFile Englisch(QStringLiteral(SKRIBANO_QUELLE "/resources/translations/english.ini"));
    ASSERT_TRUE(Englisch.open(QIODevice::ReadOnly));
    Datei(Englisch.readAll());
    Tool->LoadTranslation();
    QSet<QString> Geblieben = SichtbareTexte(Fenster) & Deutsch;
    for (const QString& t : SichtbareTexte({Info->HilfeBtn, Info->EinstellBtn, Info->OkBtn}))
        if (Deutsch.contains(t)) Geblieben << t;
    // Words both languages share, and numbers.
    const QSet<QString> Gleich = {QString(),
                                  QStringLiteral("OK"),
                                  QStringLiteral("Start"),
                                  QStringLiteral("Ellipse"),
                                  QStringLiteral("Text"),
                                  QStringLiteral("normal"),
                                  QStringLiteral("cm"),
                                  QStringLiteral("Skribano")};
    for (const QString& t : Geblieben)
        if (!Gleich.contains(t) && t.contains(QRegularExpression(QStringLiteral("[A-Za-z]{2}"))))
            ADD_FAILURE() << "still German: " << t.toStdString();
    EXPECT_EQ(Auswahl->LoeschenBtn->text(), QStringLiteral("Clear selection"));
    EXPECT_EQ(Tool->LeeresBlatt1->text(), QStringLiteral("Blank sheet..."));
}

// Each key gets a text of its own; every one of them must show up somewhere,
// so a key whose control was renamed or never named is caught.
TEST_F(UebersetzungTest, EveryKeyReachesTheWindowsAndDialogs) {
    auto Druck = std::make_unique<TDruckForm>();
    auto Einstellungen = std::make_unique<TEinstellungenForm>();
    auto Info = std::make_unique<TInfoBox>();
    const QString Filter = QStringLiteral("Nur PNG|*.png");
    QByteArray Inhalt = "[skribano_translation]\n";
    for (const QString& Key : UebersetzungsKeys())
        Inhalt += (Key + u'=' + (Key == u"speichern_filter" ? Filter : u'<' + Key + u'>') + u'\n')
                      .toUtf8();
    Datei(Inhalt);
    Tool->LoadTranslation();
    // Made after the translation was loaded: it still gets the file's texts.
    Tool->SaveBMP();
    QSet<QString> Texte =
        SichtbareTexte({Tool.get(), Auswahl.get(), Druck.get(), Einstellungen.get(), Info.get()});
    for (const auto& t : {StartFertigCaption, StartFertigHint})
        Texte << t[0] << t[1];
    for (const QString& Key : UebersetzungsKeys()) {
        const QString Text =
            Key == u"speichern_filter" ? DialogFilter(Filter).join(u'|') : u'<' + Key + u'>';
        EXPECT_TRUE(Texte.contains(Text)) << Key.toStdString() << " is shown nowhere";
    }
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

} // namespace
