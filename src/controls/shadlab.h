#pragma once
// A text label with an optional drop shadow. A "|" in the text starts a new
// line. Unless AutoSize is on, a text that does not fit the label is drawn
// with a smaller font, one point at a time down to 7 points, and then loses
// words from its end, which " ..." replaces. An "&" underlines the character
// after it, tabs are expanded, and with word wrap lines break between words.
//
// The label is drawn on the palette's Window colour (unless Transparent) in
// its WindowText colour, aligned by alignment() in both directions (top left
// for a new label), within 120 by 30 pixels for a new label. AutoSize is off
// for a new label, as for every label of the program.

#include <QColor>
#include <QLabel>
#include <cstdint>

class TShadowLabel : public QLabel {
    Q_OBJECT
public:
    explicit TShadowLabel(QWidget* Owner = nullptr);

    // Offset of the shadow to the right and down; 0 or less: no shadow.
    int32_t Shadow() const { return FShadow; }
    void SetShadow(int32_t Value);
    QColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(const QColor& Value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    // On: the label takes the size its text needs and never shrinks or cuts it.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* Event) override;
    void changeEvent(QEvent* Event) override;

private:
    int Schriftflags() const;
    QRect Messen(const QFont& Schrift, const QString& S) const;
    QString Anpassen(QFont& Schrift, QString S) const;
    void GroesseAnpassen();

    int32_t FShadow = 1;
    QColor FShadowColor = Qt::black;
    bool FTransparent = false;
    bool FAutoSize = false;
};
