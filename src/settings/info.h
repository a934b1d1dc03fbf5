#pragma once
// The info box: the program's about window and the only way to the settings
// dialog. It shows icon, title, version and the freeware notice, links to
// the product's web pages, and the buttons for the settings, the online help
// and closing. Created once at start and kept hidden between uses; always
// shown modally.

#include <QDialog>
#include <QHash>

class QLabel;
class QPlainTextEdit;
class QWidget;
class TBitBtn2;
class TShadowLabel;

// The product's web pages.
extern const QString WebAdresse;
extern const QString HilfeAdresse;
extern const QString SpendenAdresse;
extern const QString AngebotAdresse;

class TInfoBox : public QDialog {
    Q_OBJECT
public:
    explicit TInfoBox(QWidget* Parent = nullptr);
    ~TInfoBox() override;

    // When true at the next activation, the settings dialog opens at once.
    bool SofortEinstellungen = false;

    void FormCreate();
    // Opens the settings dialog if SofortEinstellungen asks for it.
    void FormActivate();
    // The settings dialog; on OK its values are applied.
    void EinstellBtnClick();
    void HilfeBtnClick();
    void Label1Click();
    void Panel5Click();
    void Label3Click();

    QLabel* Image1;
    QLabel* TitelLabel;
    QLabel* VersionLabel;
    QPlainTextEdit* KontaktMemo;
    QLabel* InternetLab;
    QLabel* Label1;
    QPlainTextEdit* LizenzMemo;
    QWidget* Panel5;
    TShadowLabel* ShadowLabel2;
    QLabel* SpendenLab;
    QLabel* AngebotLab;
    QWidget* AngebotPan;
    TBitBtn2* EinstellBtn;
    TBitBtn2* HilfeBtn;
    TBitBtn2* OkBtn;

protected:
    bool event(QEvent* Event) override;
    bool eventFilter(QObject* Objekt, QEvent* Event) override;

private:
    void KopfErzeugen(QWidget* Panel1);
    void SpendenPanelErzeugen(QWidget* Panel1);
    void AngebotErzeugen();
    void KnoepfeErzeugen();
    // A click on W runs Klick; W shows the hand pointer.
    void Klickbar(QWidget* W, void (TInfoBox::*Klick)());
    QHash<QObject*, void (TInfoBox::*)()> Klicks;
};

extern TInfoBox* InfoBox;
