// The area dialog: loading the fields, clamping to the picture, removing the
// area, and the three buttons through the running dialog.

#include "controls/buttons2.h"
#include "controls/numedit.h"
#include "overlay/auswahl.h"
#include "zeichenfixture.h"

#include <QGroupBox>
#include <QLabel>
#include <QTimer>

namespace {

class AuswahlFormTest : public ZeichenTest {
protected:
    void SetUp() override {
        ZeichenTest::SetUp();
        Screen->resize(1920, 1080);
        Hintergrund(Testbild(1920, 1080));
        Form = std::make_unique<TAuswahlForm>();
    }
    void TearDown() override {
        Form.reset();
        ZeichenTest::TearDown();
    }
    void Eingeben(int32_t Links, int32_t Oben, int32_t Breite, int32_t Hoehe) {
        Form->LinksEdit->setText(QString::number(Links));
        Form->ObenEdit->setText(QString::number(Oben));
        Form->BreiteEdit->setText(QString::number(Breite));
        Form->HoeheEdit->setText(QString::number(Hoehe));
    }
    const TRect& R() { return Tool->BereichRect; }
    std::unique_ptr<TAuswahlForm> Form;
};

} // namespace

TEST_F(AuswahlFormTest, TexteUndFelder) {
    EXPECT_EQ(Form->windowTitle(), "Auswahlbereich");
    EXPECT_EQ(Form->GroupBox1->title(), " Position und Größe ");
    EXPECT_EQ(Form->LinksLab->text(), "&Links:");
    EXPECT_EQ(Form->ObenLab->text(), "&Oben:");
    EXPECT_EQ(Form->BreiteLab->text(), "&Breite:");
    EXPECT_EQ(Form->HoeheLab->text(), "&Höhe:");
    EXPECT_EQ(Form->LinksLab->buddy(), Form->LinksEdit);
    EXPECT_EQ(Form->OkBtn->text(), "OK");
    EXPECT_EQ(Form->LoeschenBtn->text(), "Auswahl löschen");
    EXPECT_EQ(Form->AbbrechenBtn->text(), "Abbrechen");
    EXPECT_TRUE(Form->OkBtn->isDefault());
    EXPECT_EQ(Form->OkBtn->ModalResult(), mrOk);
    EXPECT_EQ(Form->LoeschenBtn->ModalResult(), mrAbort);
    EXPECT_EQ(Form->AbbrechenBtn->ModalResult(), mrCancel);
    for (TNumEditZ* e : {Form->LinksEdit, Form->ObenEdit, Form->BreiteEdit, Form->HoeheEdit}) {
        EXPECT_EQ(e->MinValue(), 0);
        EXPECT_EQ(e->MaxValue(), 2147483647);
    }
}

TEST_F(AuswahlFormTest, FelderZeigenDenBereich) {
    Tool->BereichRect = TRect{10, 20, 110, 220};
    Form->FormActivate();
    EXPECT_EQ(Form->LinksEdit->GetInt(), 10);
    EXPECT_EQ(Form->ObenEdit->GetInt(), 20);
    EXPECT_EQ(Form->BreiteEdit->GetInt(), 100);
    EXPECT_EQ(Form->HoeheEdit->GetInt(), 200);
    Tool->BereichRect = KeinBereich;
    Form->FormActivate();
    EXPECT_EQ(Form->BreiteEdit->GetInt(), 0);
    EXPECT_EQ(Form->HoeheEdit->GetInt(), 0);
}

TEST_F(AuswahlFormTest, OkKlemmtAufDasBild) {
    Eingeben(5000, 10, 300, 20);
    Form->OkBtnClick();
    EXPECT_EQ(R(), (TRect{1919, 10, 1920, 30}));
    EXPECT_EQ(Screen->BereichX1Pan->geometry(), QRect(1919, 10, 1, 20));
    EXPECT_FALSE(Screen->BereichX1Pan->isHidden());
    Eingeben(100, 1070, 50, 300);
    Form->OkBtnClick();
    EXPECT_EQ(R(), (TRect{100, 1070, 150, 1080}));
}

TEST_F(AuswahlFormTest, GroessteBreiteEndetAmRechtenRand) {
    Eingeben(100, 200, 2147483647, 2147483647);
    Form->OkBtnClick();
    EXPECT_EQ(R(), (TRect{100, 200, 1920, 1080}));
    EXPECT_TRUE(AuswahlbereichAktiv(R()));
}

TEST_F(AuswahlFormTest, GroesseNullEntferntDenBereich) {
    Tool->BereichRect = TRect{10, 20, 110, 220};
    Eingeben(5, 5, 0, 100);
    Form->OkBtnClick();
    EXPECT_EQ(R(), KeinBereich);
    Tool->BereichRect = TRect{10, 20, 110, 220};
    Eingeben(5, 5, 100, 0);
    Form->OkBtnClick();
    EXPECT_EQ(R(), KeinBereich);
    EXPECT_TRUE(Screen->BereichY1Pan->isHidden());
}

TEST_F(AuswahlFormTest, KnoepfeImLaufendenDialog) {
    Tool->BereichRect = TRect{10, 20, 110, 220};
    auto Klick = [&](TBitBtn2* b, int32_t Links) {
        QTimer::singleShot(0, Form.get(), [&, b, Links] {
            Form->LinksEdit->setText(QString::number(Links));
            b->click();
        });
        return Form->Zeigen();
    };
    EXPECT_EQ(Klick(Form->AbbrechenBtn, 40), mrCancel);
    EXPECT_EQ(R(), (TRect{10, 20, 110, 220}));
    EXPECT_EQ(Klick(Form->OkBtn, 40), mrOk);
    EXPECT_EQ(R(), (TRect{40, 20, 140, 220}));
    EXPECT_EQ(Klick(Form->LoeschenBtn, 40), mrAbort);
    EXPECT_EQ(R(), KeinBereich);
}

TEST_F(AuswahlFormTest, VorDemErstenStartGiltDerBildschirm) {
    Screen->BildLaden(QImage(), true);
    const QSize s = Screen->Bildgroesse();
    ASSERT_FALSE(s.isEmpty());
    Eingeben(100000, 0, 10, 10);
    Form->OkBtnClick();
    EXPECT_EQ(R(), (TRect{s.width() - 1, 0, s.width(), 10}));
}
