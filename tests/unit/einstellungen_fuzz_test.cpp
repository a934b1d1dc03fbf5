// Fuzzing the settings loading: random, mutated and damaged settings files
// loaded by the real store into a real tool window. Nothing may crash, hang
// or leak (the sanitized build watches for that), and every value that was
// stored well-formed survives loading, saving and loading again, whatever
// damage lies on the other lines.

#include "app/data.h"
#include "einstellungswerte.h"
#include "platform/einstellungsdatei.h"
#include "platform/meldung.h"
#include "toolwindow/toolwin2.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>
#include <bit>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <random>

namespace {

const int Eingaben = qEnvironmentVariableIntValue("SKRIBANO_FUZZ_EINGABEN") > 0
                         ? qEnvironmentVariableIntValue("SKRIBANO_FUZZ_EINGABEN")
                         : 100000;

enum class TArt { Zahl, Wahr, Text, Komma };

// A stored value: its name, its kind, and its variable's value as the text
// the store writes.
struct TFeld {
    QString Name;
    TArt Art;
    std::function<QString()> Wert;
};

QString Zahl(int32_t i) {
    return QString::number(i);
}
QString Komma(double d) {
    return QString::number(d, 'g', QLocale::FloatingPointShortest);
}

std::vector<TFeld> Felder(const TToolForm& Tool) {
    std::vector<TFeld> f = {
        {"MauszeigerMode", TArt::Zahl, [] { return Zahl(MauszeigerMode); }},
        {"AutoOpen", TArt::Wahr, [] { return Zahl(AutoOpen); }},
        {"AutoClose", TArt::Wahr, [] { return Zahl(AutoClose); }},
        {"MausradZoom", TArt::Wahr, [] { return Zahl(MausradZoom); }},
        {"BlattLinienFrei", TArt::Zahl, [] { return Zahl(BlattLinienFrei); }},
        {"BlattKariertFrei", TArt::Zahl, [] { return Zahl(BlattKariertFrei); }},
        {"BlattNotenlinienFrei", TArt::Zahl, [] { return Zahl(BlattNotenlinienFrei); }},
        {"AutoScreenshot", TArt::Wahr, [] { return Zahl(AutoScreenshot); }},
        {"ScreenshotDir", TArt::Text, [] { return ScreenshotDir; }},
        {"EmailDir", TArt::Text, [] { return EmailDir; }},
        {"MonitorMode", TArt::Zahl, [] { return Zahl(MonitorMode); }},
        {"AnzZusatzCol", TArt::Zahl, [] { return Zahl(AnzZusatzCol); }},
        {"StiftdickeMode", TArt::Zahl, [] { return Zahl(StiftdickeMode); }},
        {"FarbMode", TArt::Zahl, [] { return Zahl(FarbMode); }},
        {"WerkzeugMode", TArt::Zahl, [&Tool] { return Zahl(Tool.Modus); }},
        {"WerkzeugGroesseX", TArt::Zahl, [] { return Zahl(WerkzeugGroesseX); }},
        {"WerkzeugGroesseY", TArt::Zahl, [] { return Zahl(WerkzeugGroesseY); }},
        {"Drucken-LiRand", TArt::Komma, [] { return Komma(DruckLiRand); }},
        {"Drucken-ObRand", TArt::Komma, [] { return Komma(DruckObRand); }},
        {"Drucken-Breite", TArt::Komma, [] { return Komma(DruckBreite); }},
        {"Drucken-Hoehe", TArt::Komma, [] { return Komma(DruckHoehe); }},
        {"Drucken-SeitRatio", TArt::Wahr, [] { return Zahl(DruckSeitRatio); }},
    };
    for (int i = 1; i <= 10; ++i)
        f.push_back({QStringLiteral("ZusatzCol%1").arg(i), TArt::Zahl,
                     [i] { return Zahl(static_cast<int32_t>(ZusatzCol[i])); }});
    return f;
}

class TZufall {
public:
    explicit TZufall(uint32_t Saat) : FGen(Saat) {}
    uint32_t operator()(uint32_t n) {
        return std::uniform_int_distribution<uint32_t>(0, n - 1)(FGen);
    }
    bool Mal(uint32_t n) { return (*this)(n) == 0; }

    // A text of valid code points, rich in the characters the file treats
    // specially.
    QString Text() {
        static const char32_t Besondere[] = {U';',  U',',  U'=', U'"',    U'\\',  U'@', U' ', U'\t',
                                             U'\n', U'\r', U'[', U']',    U'#',   U'%', 0,    1,
                                             0x7f,  U'ä',  U'✔', 0x1F600, 0xFFFD, U'x', U'7', U'f'};
        QString t;
        const uint32_t n = (*this)(24);
        for (uint32_t i = 0; i < n; ++i) {
            char32_t c;
            if (Mal(2))
                c = Besondere[(*this)(std::size(Besondere))];
            else if (Mal(4))
                c = 0x20 + (*this)(0xD7FF - 0x20);
            else
                c = 0x20 + (*this)(0x5F);
            t += QString::fromUcs4(&c, 1);
        }
        return t;
    }
    double Kommazahl() {
        for (;;) {
            const double d = std::bit_cast<double>((uint64_t(FGen()) << 32) | FGen());
            if (std::isfinite(d)) return Mal(2) ? d : static_cast<double>((*this)(10000)) / 100;
        }
    }
    QString Wert(TArt Art) {
        switch (Art) {
        case TArt::Zahl:
            return Zahl(static_cast<int32_t>(FGen()));
        case TArt::Wahr:
            return Zahl(static_cast<int32_t>((*this)(2)));
        case TArt::Text:
            return Text();
        case TArt::Komma:
            return Komma(Kommazahl());
        }
        return QString();
    }
    QByteArray Bytes(uint32_t n) {
        QByteArray b(n, Qt::Uninitialized);
        for (char& c : b)
            c = static_cast<char>((*this)(256));
        return b;
    }
    // A line that must not harm others: damaged values, foreign keys,
    // comments, byte noise, other sections (closed again).
    QByteArray Stoerzeile(const std::vector<TFeld>& f) {
        const QByteArray Name = f[(*this)(static_cast<uint32_t>(f.size()))].Name.toUtf8();
        switch ((*this)(7)) {
        case 0:
            return Name + "=\"unterbrochen" +
                   Bytes((*this)(5)).replace('\n', ' ').replace('"', 'x');
        case 1:
            return Name + "=weiter\\";
        case 2:
            return Name + "=a, b";
        case 3:
            return "[Anders]\n" + Name + "=1\n[General]";
        case 4:
            return "; " + Bytes((*this)(20)).replace('\n', ' ');
        case 5:
            return "Fremd" + QByteArray::number((*this)(100)) + "=\"" + Bytes(3).replace('\n', ' ');
        default: {
            QByteArray b = Bytes((*this)(40)).replace('\n', ' ');
            // Noise must not open a section of its own.
            if (b.trimmed().startsWith('[')) b.prepend('x');
            return b;
        }
        }
    }

private:
    std::mt19937 FGen;
};

class EinstellungenFuzz : public ::testing::Test {
protected:
    void SetUp() override {
        SetMeldungAntworter([this](TMeldungTyp, const QString& Text, TMeldungKnoepfe) {
            Meldungen.append(Text);
            return TMeldungAntwort::Ok;
        });
        // In memory where the system offers it: saving waits for the disk.
        if (QFileInfo(QStringLiteral("/dev/shm")).isWritable())
            Speicher = std::make_unique<QTemporaryDir>(QStringLiteral("/dev/shm/skribano-XXXXXX"));
        else
            Speicher = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", Speicher->path().toUtf8());
        Tool = std::make_unique<TToolForm>();
        QDir().mkpath(QFileInfo(EinstellungsDateiPfad()).absolutePath());
    }
    void TearDown() override {
        Tool.reset();
        SetMeldungAntworter({});
    }
    void Schreibe(const QByteArray& Inhalt) {
        QFile f(EinstellungsDateiPfad());
        // Unbuffered: a buffer for each of the many files costs more than the write.
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered));
        ASSERT_EQ(f.write(Inhalt), Inhalt.size());
    }

    TEinstellungenSichern Sichern;
    std::unique_ptr<QTemporaryDir> Speicher;
    std::unique_ptr<TToolForm> Tool;
    QStringList Meldungen;
};

} // namespace

TEST_F(EinstellungenFuzz, ZufaelligeUndBeschaedigteDateienLadenOhneSchadenAnGutenWerten) {
    const std::vector<TFeld> f = Felder(*Tool);
    const uint32_t Saat = qEnvironmentVariableIsSet("SKRIBANO_FUZZ_SAAT")
                              ? qEnvironmentVariableIntValue("SKRIBANO_FUZZ_SAAT")
                              : 20261209u;
    TZufall z(Saat);
    int Rundreisen = 0;
    for (int n = 0; n < Eingaben; ++n) {
        SCOPED_TRACE(testing::Message() << "Saat " << Saat << ", Eingabe " << n);
        // A well-formed file of some values, with lines of damage in between.
        QByteArray Datei = z.Mal(3) ? QByteArray() : QByteArray("[General]\n");
        std::vector<std::pair<const TFeld*, QString>> Gespeichert;
        for (const TFeld& Feld : f) {
            if (z.Mal(3)) continue;
            while (z.Mal(3))
                Datei += z.Stoerzeile(f) + '\n';
            Gespeichert.push_back({&Feld, z.Wert(Feld.Art)});
            Datei += Feld.Name.toUtf8() + '=' + EinstellungsWertText(Gespeichert.back().second) +
                     (z.Mal(2) ? "\r\n" : "\n");
        }
        const int Art = n % 4;
        if (Art == 2) {
            // Mutated: bytes flipped, cut out or repeated anywhere.
            for (uint32_t k = z(8) + 1; k > 0 && !Datei.isEmpty(); --k) {
                const qsizetype p = z(static_cast<uint32_t>(Datei.size()));
                if (z.Mal(3))
                    Datei[p] = static_cast<char>(z(256));
                else if (z.Mal(2))
                    Datei.remove(p, z(16));
                else
                    Datei.insert(p, Datei.mid(p, z(32)));
            }
        } else if (Art == 3) {
            Datei = z.Bytes(z(600));
        }
        Schreibe(Datei);
        Tool->LoadSettings();
        if (Art >= 2) continue;

        for (const auto& [Feld, Text] : Gespeichert)
            ASSERT_EQ(Feld->Wert(), Text) << Feld->Name.toStdString() << "\n"
                                          << Datei.toStdString();
        // Saved and loaded again, every value comes back as it was. Saving
        // takes longest, so only some of the inputs go the whole way.
        if (n % 200 > 1) continue;
        ++Rundreisen;
        Tool->SaveSettings();
        ASSERT_TRUE(Meldungen.isEmpty()) << Meldungen.join(u'\n').toStdString();
        const std::vector<QString> Vorher = [&] {
            std::vector<QString> v;
            for (const TFeld& Feld : f)
                v.push_back(Feld.Wert());
            return v;
        }();
        Tool->LoadSettings();
        for (size_t i = 0; i < f.size(); ++i)
            ASSERT_EQ(f[i].Wert(), Vorher[i]) << f[i].Name.toStdString();
    }
    EXPECT_EQ(Rundreisen, Eingaben / 100);
}
