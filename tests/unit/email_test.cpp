// The e-mail menu and its keys, and the question at close about the e-mail
// files of the run.

#include "overlay/scrwin.h"
#include "platform/meldung.h"
#include "toolwindow/toolwin2.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

class EmailDateienBeimSchliessen : public ::testing::Test {
protected:
    std::unique_ptr<TToolForm> Tool = std::make_unique<TToolForm>();
    QTemporaryDir Ordner;
    QStringList Fragen;
    QStringList Dateien;

    void SetUp() override {
        for (const char* n : {"a-001.png", "b-002.jpg"}) {
            QFile f(Ordner.filePath(QString::fromLatin1(n)));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            Dateien << f.fileName();
        }
    }
    void TearDown() override { SetMeldungAntworter({}); }

    void Antwort(TMeldungAntwort a) {
        SetMeldungAntworter([this, a](TMeldungTyp t, const QString& s, TMeldungKnoepfe k) {
            EXPECT_EQ(t, TMeldungTyp::Bestaetigung);
            EXPECT_EQ(k, TMeldungKnoepfe::JaNeinAbbrechen);
            Fragen << s;
            return a;
        });
    }
    bool AlleDa() const {
        for (const QString& d : Dateien)
            if (!QFile::exists(d)) return false;
        return true;
    }
};

} // namespace

TEST_F(EmailDateienBeimSchliessen, WithoutFilesNothingIsAsked) {
    Antwort(TMeldungAntwort::Abbrechen);
    EXPECT_TRUE(Tool->EmailDateienAufraeumen());
    EXPECT_TRUE(Fragen.isEmpty());
}

TEST_F(EmailDateienBeimSchliessen, CancelRefusesTheCloseAndKeepsEverything) {
    Tool->EmailDateiList = Dateien;
    Antwort(TMeldungAntwort::Abbrechen);
    EXPECT_FALSE(Tool->FormClose());
    ASSERT_EQ(Fragen.size(), 1);
    EXPECT_EQ(Fragen[0], QStringLiteral("2 E-Mail-Screenshot(s) wurde(n) im Ordner ") +
                             Tool->GetEmailDir() +
                             QStringLiteral(" als Bilddatei(en) abgelegt.\r\n"
                                            "Soll diese jetzt gelöscht werden?"));
    EXPECT_TRUE(AlleDa());
    EXPECT_EQ(Tool->EmailDateiList, Dateien);
    // Asked again at the next close.
    EXPECT_FALSE(Tool->EmailDateienAufraeumen());
    EXPECT_EQ(Fragen.size(), 2);
}

TEST_F(EmailDateienBeimSchliessen, NoKeepsTheFiles) {
    Tool->EmailDateiList = Dateien;
    Antwort(TMeldungAntwort::Nein);
    EXPECT_TRUE(Tool->EmailDateienAufraeumen());
    EXPECT_TRUE(AlleDa());
}

TEST_F(EmailDateienBeimSchliessen, YesDeletesEveryFileAndSkipsMissingOnes) {
    Tool->EmailDateiList = QStringList{Ordner.filePath(QStringLiteral("fehlt.png"))} + Dateien;
    Antwort(TMeldungAntwort::Ja);
    EXPECT_TRUE(Tool->EmailDateienAufraeumen());
    for (const QString& d : Dateien)
        EXPECT_FALSE(QFile::exists(d)) << d.toStdString();
}

TEST(EmailMenu, ThreeItemsInOrderAndCtrlEInBothWindows) {
    TToolForm Tool;
    TScreenForm Screen;
    ASSERT_NE(Tool.EmailMenu, nullptr);
    const QList<QAction*> a = Tool.EmailMenu->actions();
    ASSERT_EQ(a.size(), 3);
    EXPECT_EQ(a[0]->text(), QStringLiteral("Als &PNG-Bild versenden..."));
    EXPECT_EQ(a[1]->text(), QStringLiteral("Als &JPG-Bild versenden..."));
    EXPECT_EQ(a[2]->text(), QStringLiteral("E-&Mail-Programm und Screenshot-Ordner öffnen..."));
    EXPECT_EQ(a[2], Tool.EMailProgrammOeffnen1);
    EXPECT_EQ(a[2]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
    EXPECT_TRUE(Tool.actions().contains(a[2]));
    EXPECT_TRUE(Screen.actions().contains(a[2]));
    EXPECT_TRUE(Tool.AlsEMailversenden1->isEnabled());
    EXPECT_EQ(Tool.AlsEMailversenden1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_M));
    EXPECT_TRUE(Tool.Drucken1->isEnabled());
    EXPECT_EQ(Tool.Drucken1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
}
