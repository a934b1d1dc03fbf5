#include "platform/uebersetzungsdatei.h"

#include <QFile>
#include <QFileInfo>
#include <QStringView>

namespace {

// The blanks the profile reader skips: white space and the end-of-file mark
// Ctrl+Z.
bool IstLeer(QChar c) {
    const char16_t u = c.unicode();
    return u == u' ' || u == u'\t' || u == u'\v' || u == u'\f' || u == u'\r' || u == 0x1a;
}

QStringView Getrimmt(QStringView s) {
    qsizetype a = 0, e = s.size();
    while (a < e && IstLeer(s[a]))
        ++a;
    while (e > a && IstLeer(s[e - 1]))
        --e;
    return s.sliced(a, e - a);
}

// Removes one pair of equal quotes around the value, then cuts it.
QString Wert(QStringView s) {
    if (s.size() >= 2 && (s.front() == u'"' || s.front() == u'\'') && s.back() == s.front())
        s = s.sliced(1, s.size() - 2);
    return s.left(TUebersetzungsDatei::MaxWertLaenge).toString();
}

QString Name(QStringView s) {
    return Getrimmt(s).toString().toCaseFolded();
}

} // namespace

std::optional<TUebersetzungsDatei> TUebersetzungsDatei::Oeffnen(const QString& Pfad) {
    const QFileInfo Info(Pfad);
    if (!Info.exists() || Info.isDir()) return std::nullopt;
    QFile Datei(Pfad);
    if (!Datei.open(QIODevice::ReadOnly)) return TUebersetzungsDatei();
    return AusInhalt(Datei.read(MaxDateiGroesse));
}

TUebersetzungsDatei TUebersetzungsDatei::AusInhalt(const QByteArray& Inhalt) {
    QByteArrayView Bytes(Inhalt);
    if (Bytes.startsWith("\xEF\xBB\xBF")) Bytes = Bytes.sliced(3);
    const QString Text = QString::fromUtf8(Bytes);
    TUebersetzungsDatei Datei;
    // The keys of the section being read, or nullptr before the first
    // section name and in a repeated section.
    QHash<QString, QString>* Sektion = nullptr;
    qsizetype Anfang = 0;
    while (Anfang <= Text.size()) {
        qsizetype Ende = Anfang;
        while (Ende < Text.size() && Text[Ende] != u'\n' && Text[Ende] != u'\r')
            ++Ende;
        const QStringView Zeile = Getrimmt(QStringView(Text).sliced(Anfang, Ende - Anfang));
        if (Ende + 1 < Text.size() && Text[Ende] == u'\r' && Text[Ende + 1] == u'\n') ++Ende;
        Anfang = Ende + 1;
        const qsizetype Zu = Zeile.lastIndexOf(u']');
        if (Zeile.startsWith(u'[') && Zu > 0) {
            const QString n = Name(Zeile.sliced(1, Zu - 1));
            Sektion = Datei.Sektionen.contains(n) ? nullptr : &Datei.Sektionen[n];
            continue;
        }
        const qsizetype Gleich = Zeile.indexOf(u'=');
        if (!Sektion || Gleich < 0) continue;
        const QString Key = Name(Zeile.first(Gleich));
        if (!Sektion->contains(Key)) Sektion->insert(Key, Wert(Getrimmt(Zeile.sliced(Gleich + 1))));
    }
    return Datei;
}

std::optional<QString> TUebersetzungsDatei::Lesen(const QString& Sektion,
                                                  const QString& Key) const {
    const auto s = Sektionen.constFind(Sektion.toCaseFolded());
    if (s == Sektionen.cend()) return std::nullopt;
    const auto k = s->constFind(Key.toCaseFolded());
    if (k == s->cend()) return std::nullopt;
    return *k;
}
