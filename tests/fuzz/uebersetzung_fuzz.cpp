// Randomised test of the translation file reader, built with the address
// and undefined-behaviour sanitizers: random files and mutations of a valid
// one must read without crash, leak or unbounded value.

#include "platform/uebersetzungsdatei.h"

#include <cstdio>
#include <cstdlib>
#include <random>

namespace {

const QByteArray Vorlage = "\xEF\xBB\xBF[skribano_translation]\r\nbtn_stift = \"Pen\"\r\n"
                           "; comment\nbtn_start=Go, now; please # yes\n[other]\nx=y\n"
                           "speichern_filter=PNG (*.png)|*.png\n";

// Pieces that make the reader's branches likely.
const char* const Teile[] = {"[",
                             "]",
                             "=",
                             " ",
                             "\t",
                             "\n",
                             "\r",
                             "\r\n",
                             "\"",
                             "'",
                             ";",
                             "#",
                             "skribano_translation",
                             "btn_stift",
                             "BTN_START",
                             "\xEF\xBB\xBF",
                             "\xC3\xBC",
                             "\xFF",
                             "\x80",
                             "\x1a",
                             "\xE2\x82",
                             "\xF0\x9F\x98\x80"};

QByteArray Zufallsdatei(std::mt19937& Zufall) {
    QByteArray d;
    const int n = std::uniform_int_distribution<int>(0, 60)(Zufall);
    for (int i = 0; i < n; ++i) {
        if (Zufall() % 4 == 0)
            d += char(Zufall() % 256);
        else
            d += Teile[Zufall() % std::size(Teile)];
    }
    return d;
}

QByteArray Mutation(std::mt19937& Zufall) {
    QByteArray d = Vorlage;
    const int n = 1 + Zufall() % 8;
    for (int i = 0; i < n && !d.isEmpty(); ++i) {
        const qsizetype p = Zufall() % d.size();
        switch (Zufall() % 4) {
        case 0:
            d[p] = char(Zufall() % 256);
            break;
        case 1:
            d.remove(p, 1 + Zufall() % 5);
            break;
        case 2:
            d.insert(p, Teile[Zufall() % std::size(Teile)]);
            break;
        default:
            d.insert(p, QByteArray(Zufall() % 3000, char('a' + Zufall() % 26)));
        }
    }
    return d;
}

bool Pruefen(const QByteArray& Inhalt) {
    const TUebersetzungsDatei Datei = TUebersetzungsDatei::AusInhalt(Inhalt);
    for (const char* Key : {"btn_stift", "btn_start", "speichern_filter", "x", ""}) {
        const auto w = Datei.Lesen(QStringLiteral("skribano_translation"), QString::fromUtf8(Key));
        if (w && (w->size() > TUebersetzungsDatei::MaxWertLaenge || w->contains(u'\n') ||
                  w->contains(u'\r')))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    const long Anzahl = argc > 1 ? std::atol(argv[1]) : 100000;
    std::mt19937 Zufall(argc > 2 ? std::atol(argv[2]) : 16);
    for (long i = 0; i < Anzahl; ++i) {
        const QByteArray d = i % 2 ? Mutation(Zufall) : Zufallsdatei(Zufall);
        if (!Pruefen(d)) {
            std::fprintf(stderr, "input %ld breaks a rule: %s\n", i, d.toHex().constData());
            return 1;
        }
    }
    std::printf("%ld inputs read\n", Anzahl);
    return 0;
}
