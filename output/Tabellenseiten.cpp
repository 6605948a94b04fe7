#include "output/Tabellenseiten.h"

#include <QCoreApplication>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <span>

#include "model/Katalog.h"
#include "model/Zahlentext.h"
#include "output/Dateiausgabe.h"
#include "output/Seitenfolge.h"
#include "output/Seitenkopf.h"
#include "output/Seitenmaler.h"
#include "output/Textlisten.h"

namespace {

QString T(const char* text) {
    return QCoreApplication::translate("Tragfaehigkeitstabelle", text);
}

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

bool GleicherBlock(const Tabellenpunkt& a, const Tabellenpunkt& b) {
    return a.dorn == b.dorn && a.fuge == b.fuge && a.brandschutz == b.brandschutz && a.methode == b.methode;
}

// The cells of one type, thickness after thickness, each with its grades in the same order.
class Block {
public:
    explicit Block(std::span<const Tabellenzelle> zellen) : zellen(zellen) {
        for (const Tabellenzelle& z : zellen) {
            if (std::find(gueten.begin(), gueten.end(), z.punkt.guete) != gueten.end()) break;
            gueten.push_back(z.punkt.guete);
        }
    }
    const Tabellenpunkt& Punkt() const { return zellen.front().punkt; }
    std::size_t Spalten() const { return gueten.size(); }
    std::size_t Zeilen() const { return zellen.size() / gueten.size(); }
    TsBetonguete Guete(std::size_t spalte) const { return gueten[spalte]; }
    std::span<const Tabellenzelle> Zeile(std::size_t zeile) const {
        return zellen.subspan(zeile * gueten.size(), gueten.size());
    }

private:
    std::span<const Tabellenzelle> zellen;
    std::vector<TsBetonguete> gueten;
};

std::vector<Block> Bloecke(const std::vector<Tabellenzelle>& zellen) {
    std::vector<Block> bloecke;
    std::size_t anfang = 0;
    for (std::size_t i = 1; i <= zellen.size(); ++i) {
        if (i < zellen.size() && GleicherBlock(zellen[i].punkt, zellen[anfang].punkt)) continue;
        bloecke.emplace_back(std::span(zellen).subspan(anfang, i - anfang));
        anfang = i;
    }
    return bloecke;
}

// Column edges of a table with `spalten` grades across the content width: thickness, the grades, the edge
// distance and the spacing.
struct Raster {
    Raster(const Seitenmasse& m, std::size_t spalten) {
        links = m.L;
        rechts = m.W - m.R;
        dicke = links + 1.6;
        rand = rechts - 4.0;
        breite = (rand - dicke) / static_cast<double>(std::max<std::size_t>(spalten, 1));
    }
    double Spalte(std::size_t i) const { return dicke + breite * static_cast<double>(i); }

    double links, rechts, dicke, rand, breite;
};

class Tabellenzeichner {
public:
    Tabellenzeichner(Seitenfolge& folge, const Kopfdaten& kopf, char dezimaltrenner)
        : folge(folge), kopf(kopf), dezimaltrenner(dezimaltrenner) {}

    void Zeichnen(const Block& block, bool neueSeite) {
        titel = Tabellentitel(block.Punkt().dorn);
        if (neueSeite) folge.NeueSeite();
        Seitenmaler seite(folge.Canvas(), folge.Layout());
        y = seite.M().T + Seitenkopf(seite, titel, kopf);
        Bezug(seite, block.Punkt());
        const Raster raster(seite.M(), block.Spalten());
        Spaltenkoepfe(seite, block, raster);
        for (std::size_t i = 0; i < block.Zeilen(); ++i) {
            if (Seitenumbruch(folge, titel, kopf, y, Zeilenhoehe(seite))) Spaltenkoepfe(seite, block, raster);
            Zeile(seite, block.Zeile(i), raster);
        }
        y += seite.Zeile(10);
        seite.Schrift(8);
        seite.Text(raster.links, y, T(Tabellentexte::Bestaetigung));
    }

private:
    double Zeilenhoehe(const Seitenmaler& seite) const { return seite.Zeile(8) + 0.15; }

    QString Zahl(double wert) const { return Q(FestkommaText(wert, 2, dezimaltrenner)); }
    QString Cm(double mm) const { return Q(ZentimeterText(mm, dezimaltrenner)); }

    void Absatz(Seitenmaler& seite, const QString& text) {
        const Seitenmasse& m = seite.M();
        for (const QString& zeile : seite.Umbrechen(text, m.W - m.R - m.L)) {
            seite.Text(m.L, y, zeile);
            y += seite.Zeile(8);
        }
    }

    void Bezug(Seitenmaler& seite, const Tabellenpunkt& p) {
        seite.Schrift(12, Fett);
        seite.Text(seite.M().L, y, Q(DornName(p.dorn)));
        y += seite.Zeile(12) + 0.1;
        seite.Schrift(8);
        Absatz(seite, T(Tabellentexte::Bezug));
        Absatz(seite, T(Tabellentexte::Randbedingungen)
                          .arg(ListenText(TextListe::Fugenbreite, Ord(p.fuge)),
                               ListenText(TextListe::Feuerwiderstand, Ord(p.brandschutz)),
                               ListenText(TextListe::BewehrungCalc, Ord(p.methode)), Cm(ReferenzDeckung)));
        Absatz(seite, T(Tabellentexte::Abstaende));
        Absatz(seite, T(Tabellentexte::Werte));
        y += seite.Zeile(8);
    }

    void Spaltenkoepfe(Seitenmaler& seite, const Block& block, const Raster& r) {
        seite.Schrift(8, Fett);
        seite.Linie(r.links, y, r.rechts, y);
        const double text = y + 0.075;
        seite.Text(r.links + 0.1, text, T(Tabellentexte::Dicke));
        for (std::size_t i = 0; i < block.Spalten(); ++i)
            seite.TextRechts(r.Spalte(i + 1) - 0.1, text,
                             ListenText(TextListe::Betonguete, Ord(block.Guete(i))));
        seite.TextRechts(r.rand + 2.0 - 0.1, text, T(Tabellentexte::MinRand));
        seite.TextRechts(r.rechts - 0.1, text, T(Tabellentexte::MinAchs));
        y += Zeilenhoehe(seite);
        seite.Linie(r.links, y, r.rechts, y);
    }

    void Zeile(Seitenmaler& seite, std::span<const Tabellenzelle> zeile, const Raster& r) {
        const double text = y + 0.075;
        seite.Schrift(8, Fett);
        seite.Text(r.links + 0.1, text, Cm(zeile.front().punkt.h));
        double minRand = 0, minAchs = 0;
        for (std::size_t i = 0; i < zeile.size(); ++i) {
            const Tabellenzelle& z = zeile[i];
            const double rechts = r.Spalte(i + 1) - 0.1;
            if (!z.Zulaessig()) {
                seite.Schrift(6, Kursiv);
                seite.TextRechts(rechts, text, ListenText(TextListe::StatusKurz, z.fehler.back()));
                continue;
            }
            minRand = std::max(minRand, z.minRand);
            minAchs = std::max(minAchs, z.minAchs);
            seite.Schrift(8);
            const QString index = Tabellentexte::NachweisIndex[static_cast<int>(z.massgebend)];
            const double x = rechts - seite.KleinBreite(QStringLiteral("ct"));
            seite.TextRechts(x, text, Zahl(z.VRd));
            seite.Index(x, text, index);
        }
        seite.Schrift(8);
        if (minRand > 0) {
            seite.TextRechts(r.rand + 2.0 - 0.1, text, Cm(minRand));
            seite.TextRechts(r.rechts - 0.1, text, Cm(minAchs));
        }
        y += Zeilenhoehe(seite);
        QPainter& canvas = seite.Canvas();
        const QPen stift = canvas.pen();
        QPen punkte = stift;
        punkte.setStyle(Qt::DotLine);
        canvas.setPen(punkte);
        seite.Linie(r.links, y, r.rechts, y);
        canvas.setPen(stift);
    }

    Seitenfolge& folge;
    const Kopfdaten& kopf;
    char dezimaltrenner;
    QString titel;
    double y = 0;
};

}  // namespace

QString Tabellentitel(TsDorn dorn) {
    return T(Tabellentexte::Titel).arg(Q(DornName(dorn)));
}

bool TabellenDrucken(QPagedPaintDevice& drucker, const std::vector<Tabellenzelle>& zellen,
                     const Kopfdaten& kopf, char dezimaltrenner) {
    Geraeteseiten folge(drucker, SeitenmasseSetzen(drucker.pageLayout()));
    if (!folge.Bereit()) return false;
    Tabellenzeichner zeichner(folge, kopf, dezimaltrenner);
    bool erste = true;
    for (const Block& block : Bloecke(zellen)) {
        zeichner.Zeichnen(block, !erste);
        erste = false;
    }
    return folge.Beenden();
}

Ausgabeinhalt TabellenInhalt(const std::vector<Tabellenzelle>& zellen, const Kopfdaten& kopf,
                             char dezimaltrenner, const QPageLayout& seite) {
    Ausgabeinhalt inhalt;
    inhalt.titel =
        zellen.empty() ? T(Tabellentexte::Titel).arg(QString()) : Tabellentitel(zellen.front().punkt.dorn);
    inhalt.seite = seite;
    inhalt.seiten = [&zellen, kopf, dezimaltrenner](QPagedPaintDevice& pdf) {
        return TabellenDrucken(pdf, zellen, kopf, dezimaltrenner);
    };
    return inhalt;
}
