#include "platform/einstellungsdatei.h"

#include "platform/meldung.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>
#include <QStandardPaths>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString General = QStringLiteral("General");

bool IstLeer(char c) {
    return c == ' ' || c == '\t';
}

QByteArray Getrimmt(QByteArray z) {
    qsizetype a = 0, e = z.size();
    while (a < e && IstLeer(z[a]))
        ++a;
    while (e > a && IstLeer(z[e - 1]))
        --e;
    return z.mid(a, e - a);
}

// The name of a section header line "[Name]", or no result for other lines.
std::optional<QString> Abschnitt(const QByteArray& Zeile) {
    if (!Zeile.startsWith('[')) return std::nullopt;
    const qsizetype Ende = Zeile.indexOf(']');
    return QString::fromUtf8(Zeile.mid(1, Ende < 0 ? -1 : Ende - 1));
}

// Walks the lines, telling for each whether it lies in [General] (the lines
// before any header do too) and its value name there, if it has one.
template <typename F> void ZeilenDurchgehen(const QList<QByteArray>& Zeilen, F Zeile) {
    bool ImGeneral = true;
    for (const QByteArray& Roh : Zeilen) {
        const QByteArray z = Getrimmt(Roh);
        if (const auto a = Abschnitt(z)) {
            ImGeneral = *a == General;
            Zeile(Roh, ImGeneral, true, QString(), QByteArray());
            continue;
        }
        const qsizetype Gleich = z.indexOf('=');
        const bool Kommentar = z.startsWith(';') || z.startsWith('#');
        if (Gleich <= 0 || Kommentar) {
            Zeile(Roh, ImGeneral, false, QString(), QByteArray());
            continue;
        }
        Zeile(Roh, ImGeneral, false, QString::fromUtf8(Getrimmt(z.left(Gleich))),
              z.mid(Gleich + 1));
    }
}

int HexZiffer(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') return u - '0';
    if (u >= 'a' && u <= 'f') return u - 'a' + 10;
    if (u >= 'A' && u <= 'F') return u - 'A' + 10;
    return -1;
}

// Reads the escape whose letter is t[i] into w; returns the index of its
// last character.
qsizetype Escape(const QString& t, qsizetype i, QString& w) {
    static const QHash<char16_t, char16_t> Einfach = {
        {u'a', u'\a'}, {u'b', u'\b'}, {u'f', u'\f'},  {u'n', u'\n'}, {u'r', u'\r'}, {u't', u'\t'},
        {u'v', u'\v'}, {u'"', u'"'},  {u'\'', u'\''}, {u'?', u'?'},  {u'\\', u'\\'}};
    const QChar c = t[i];
    if (Einfach.contains(c.unicode())) {
        w += QChar(Einfach.value(c.unicode()));
        return i;
    }
    // \x followed by hexadecimal or \0 followed by octal digits: a UTF-16 unit.
    const bool Hex = c == u'x';
    const bool Oktal = c >= u'0' && c <= u'7';
    if (!Hex && !Oktal) {
        w += c;
        return i;
    }
    uint32_t Wert = Oktal ? c.unicode() - u'0' : 0;
    for (; i + 1 < t.size(); ++i) {
        const int d = HexZiffer(t[i + 1]);
        if (d < 0 || (Oktal && d > 7)) break;
        Wert = ((Wert << (Hex ? 4 : 3)) + static_cast<uint32_t>(d)) & 0xFFFF;
    }
    w += QChar(static_cast<char16_t>(Wert));
    return i;
}

const char* EinfachesEscape(char16_t c) {
    switch (c) {
    case u'\a':
        return "\\a";
    case u'\b':
        return "\\b";
    case u'\f':
        return "\\f";
    case u'\n':
        return "\\n";
    case u'\r':
        return "\\r";
    case u'\t':
        return "\\t";
    case u'\v':
        return "\\v";
    case u'"':
        return "\\\"";
    case u'\\':
        return "\\\\";
    default:
        return nullptr;
    }
}

QList<QByteArray> InZeilen(QByteArray Inhalt) {
    if (Inhalt.startsWith("\xEF\xBB\xBF")) Inhalt.remove(0, 3);
    QList<QByteArray> Zeilen = Inhalt.split('\n');
    if (!Zeilen.isEmpty() && Zeilen.last().isEmpty()) Zeilen.removeLast();
    for (QByteArray& z : Zeilen)
        if (z.endsWith('\r')) z.chop(1);
    return Zeilen;
}

// Reads an open descriptor to its end.
bool AllesLesen(int fd, QByteArray& Inhalt) {
    char Puffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, Puffer, sizeof Puffer);
        if (n == 0) return true;
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        Inhalt.append(Puffer, n);
    }
}

TDateiZustand FehlerZustand(int Fehler) {
    return Fehler == ENOENT || Fehler == ENOTDIR ? TDateiZustand::Fehlt : TDateiZustand::Unlesbar;
}

void Fehler(const QString& Text, const QString& Pfad) {
    Meldung(TMeldungTyp::Fehler, Text.arg(QDir::toNativeSeparators(Pfad)));
}

} // namespace

QString EinstellungsDateiPfad() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Quorvel/Skribano.conf");
}

TEinstellungsDatei EinstellungsDateiLesen(const QString& Pfad) {
    TEinstellungsDatei d;
    const QByteArray p = QFile::encodeName(Pfad);
    struct stat st;
    if (::stat(p.constData(), &st) != 0) {
        d.Zustand = FehlerZustand(errno);
        return d;
    }
    if (!S_ISREG(st.st_mode)) {
        d.Zustand = TDateiZustand::KeineDatei;
        return d;
    }
    // Not waiting even if the path has become a FIFO since.
    const int fd = ::open(p.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        d.Zustand = FehlerZustand(errno);
        return d;
    }
    QByteArray Inhalt;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        d.Zustand = TDateiZustand::KeineDatei;
    else
        d.Zustand = AllesLesen(fd, Inhalt) ? TDateiZustand::Gelesen : TDateiZustand::Unlesbar;
    ::close(fd);
    if (d.Zustand == TDateiZustand::Gelesen) d.Zeilen = InZeilen(Inhalt);
    return d;
}

QHash<QString, QString> EinstellungsWerte(const QList<QByteArray>& Zeilen) {
    QHash<QString, QString> Werte;
    ZeilenDurchgehen(Zeilen, [&](const QByteArray&, bool ImGeneral, bool, const QString& Name,
                                 const QByteArray& Roh) {
        if (!ImGeneral || Name.isEmpty()) return;
        if (const auto w = EinstellungsWertLesen(Roh)) Werte.insert(Name, *w);
    });
    return Werte;
}

std::optional<QString> EinstellungsWertLesen(const QByteArray& Roh) {
    const QString t = QString::fromUtf8(Getrimmt(Roh));
    QString w;
    bool Zitat = false;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c == u'\\') {
            // A backslash at the end would continue the value on the next line.
            if (i + 1 >= t.size()) return std::nullopt;
            i = Escape(t, i + 1, w);
        } else if (c == u'"') {
            Zitat = !Zitat;
        } else if (!Zitat && c == u';') {
            break; // a comment
        } else if (!Zitat && c == u',') {
            return std::nullopt; // a list
        } else {
            w += c;
        }
    }
    if (Zitat) return std::nullopt;
    // A leading "@" marks a value of another type; "@@" is a text's own "@",
    // and QSettings puts a text holding a NUL character into "@String(...)".
    if (!w.startsWith(u'@')) return w;
    if (w.startsWith(QStringLiteral("@@"))) return w.mid(1);
    if (w.startsWith(QStringLiteral("@String(")) && w.endsWith(u')')) return w.mid(8).chopped(1);
    return std::nullopt;
}

QByteArray EinstellungsWertText(const QString& Wert) {
    const QString w = Wert.startsWith(u'@') ? QStringLiteral("@") + Wert : Wert;
    QByteArray r;
    QString Klartext; // collected and encoded together, so surrogate pairs stay whole
    bool Anfuehrungszeichen = false, HexDanach = false;
    for (const QChar qc : w) {
        const char16_t c = qc.unicode();
        if (c == u';' || c == u',' || c == u'=') Anfuehrungszeichen = true;
        const bool Steuerzeichen = c <= 0x1F && !EinfachesEscape(c);
        // After a numeric escape a digit would be read as part of it.
        if ((HexDanach && HexZiffer(qc) >= 0) || Steuerzeichen) {
            r += Klartext.toUtf8() + "\\x" + QByteArray::number(c, 16);
            Klartext.clear();
            HexDanach = true;
            continue;
        }
        HexDanach = false;
        if (const char* e = EinfachesEscape(c)) {
            r += Klartext.toUtf8() + e;
            Klartext.clear();
        } else {
            Klartext += qc;
        }
    }
    r += Klartext.toUtf8();
    if (Anfuehrungszeichen || r.startsWith(' ') || r.endsWith(' ')) r = '"' + r + '"';
    return r;
}

QByteArray EinstellungsDateiInhalt(const QList<QByteArray>& Alt, const TEinstellungsWerte& Werte) {
    QSet<QString> Eigene;
    QByteArray Allgemein = "[General]\n", Andere;
    for (const auto& [Name, Text] : Werte) {
        Eigene.insert(Name);
        Allgemein += Name.toUtf8() + '=' + EinstellungsWertText(Text) + '\n';
    }
    ZeilenDurchgehen(Alt, [&](const QByteArray& Zeile, bool ImGeneral, bool Kopf,
                              const QString& Name, const QByteArray&) {
        if (!ImGeneral)
            Andere += Zeile + '\n';
        else if (!Kopf && !Eigene.contains(Name))
            Allgemein += Zeile + '\n';
    });
    return Allgemein + Andere;
}

bool EinstellungenSchreiben(const QString& Pfad, const TEinstellungsWerte& Werte) {
    const TEinstellungsDatei Alt = EinstellungsDateiLesen(Pfad);
    if (Alt.Zustand == TDateiZustand::KeineDatei) {
        Fehler(QStringLiteral("Die Einstellungen wurden nicht gespeichert: „%1“ ist keine "
                              "gewöhnliche Datei und wird nicht überschrieben."),
               Pfad);
        return false;
    }
    if (Alt.Zustand == TDateiZustand::Unlesbar) {
        Fehler(QStringLiteral("Die Einstellungen wurden nicht gespeichert: Die Datei „%1“ "
                              "ist nicht lesbar und wird nicht überschrieben."),
               Pfad);
        return false;
    }
    QSaveFile f(Pfad);
    const bool Ok = QDir().mkpath(QFileInfo(Pfad).absolutePath()) && f.open(QIODevice::WriteOnly) &&
                    f.write(EinstellungsDateiInhalt(Alt.Zeilen, Werte)) >= 0 && f.commit();
    if (!Ok)
        Fehler(QStringLiteral("Die Einstellungen konnten nicht in die Datei „%1“ geschrieben "
                              "werden. Die bisherige Datei bleibt unverändert."),
               Pfad);
    return Ok;
}
