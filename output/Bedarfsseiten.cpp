#include "output/Bedarfsseiten.h"

#include <QCoreApplication>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <vector>

#include "files/Bedarfstext.h"
#include "model/TKModell.h"
#include "output/Seitenfolge.h"
#include "output/Seitenkopf.h"
#include "output/Seitenmaler.h"

namespace {

const QColor Seitentrenner(192, 192, 192);
constexpr int Trennerbreite = 2;

QString T(const char* text) {
    return QCoreApplication::translate("Bedarfsliste", text);
}

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// One piece of a document laid out before it is drawn, so that a page break can be decided on its height:
// texts and dotted lines at heights below the block's top (cm).
class Block {
public:
    void Text(double x, double y, const QString& text) { texte.push_back({x, y, text, false}); }
    void Rechts(double x, double y, const QString& text) { texte.push_back({x, y, text, true}); }
    void Linie(double y) { linien.push_back(y); }
    void Ende(double y) { hoehe = y; }
    double Hoehe() const { return hoehe; }

    void Zeichnen(Seitenmaler& seite, double oben) const {
        const Seitenmasse& m = seite.M();
        QPainter& canvas = seite.Canvas();
        const QPen stift = canvas.pen();
        QPen punkte = stift;
        punkte.setStyle(Qt::DotLine);
        canvas.setPen(punkte);
        for (double y : linien) seite.Linie(m.L, oben + y, m.W - m.R, oben + y);
        canvas.setPen(stift);
        for (const Posten& p : texte) {
            if (p.rechts)
                seite.TextRechts(p.x, oben + p.y, p.text);
            else
                seite.Text(p.x, oben + p.y, p.text);
        }
    }

private:
    struct Posten {
        double x, y;
        QString text;
        bool rechts;
    };
    std::vector<Posten> texte;
    std::vector<double> linien;
    double hoehe = 0;
};

class Bedarfsdokumentseiten {
public:
    Bedarfsdokumentseiten(Seitenmaler& seite, Bedarfsdokument art) : seite(seite), art(art) {}

    // The remarks, a dotted line and the column titles; the first entry follows.
    Block Kopf(const std::vector<std::string>& bemerkung) const {
        Block b;
        double y = 0;
        for (const std::string& zeile : bemerkung) {
            b.Text(L(0), y, Q(zeile));
            y += Z();
        }
        y += 0.25 + Z();
        b.Linie(y);
        y += 0.25;
        b.Text(L(0), y, T(QT_TRANSLATE_NOOP("Bedarfsliste", "Nr.")));
        if (art == Bedarfsdokument::Stueckliste) {
            b.Text(L(1.25), y, T(QT_TRANSLATE_NOOP("Bedarfsliste", "Position")));
            b.Text(L(6.75), y, T(QT_TRANSLATE_NOOP("Bedarfsliste", "Anzahl")));
            b.Text(L(8), y, T(QT_TRANSLATE_NOOP("Bedarfsliste", "Schubdorn")));
            b.Text(L(12.5), y, T(QT_TRANSLATE_NOOP("Bedarfsliste", "Anzahl")));
            b.Text(L(13.75), y, T(QT_TRANSLATE_NOOP("Bedarfsliste", "Brandschutzmanschette")));
        } else {
            b.Text(L(1.25), y, T(QT_TRANSLATE_NOOP("Bedarfsliste", "Anzahl")));
            b.Text(L(3), y, T(QT_TRANSLATE_NOOP("Bedarfsliste", "Bezeichnung")));
        }
        b.Ende(y + 0.25 + Z());
        return b;
    }

    Block Eintrag(int nr, const TKStueckliste::Eintrag& e) const {
        return art == Bedarfsdokument::Stueckliste ? Stuecklistenzeile(nr, e) : Ausschreibung(nr, e);
    }

private:
    double L(double x) const { return seite.M().L + x; }
    double Z() const { return seite.Zeile(10); }
    static QString Wert(const TKStueckliste::Eintrag& e, std::size_t zeile) { return Q(Zeile(e, zeile)); }

    // Lines of `text` from `x` on, one line10 apart; returns the y of the last.
    double Umbrochen(Block& b, double x, double y, const QString& text, double breite) const {
        const QStringList zeilen = seite.Umbrechen(text, breite);
        for (qsizetype i = 0; i < zeilen.size(); ++i) b.Text(x, y + i * Z(), zeilen[i]);
        return y + std::max<qsizetype>(0, zeilen.size() - 1) * Z();
    }

    Block Stuecklistenzeile(int nr, const TKStueckliste::Eintrag& e) const {
        Block b;
        b.Linie(0);
        const double y = 0.25;
        b.Rechts(L(0.75), y, QString::number(nr));
        const double letzte = Umbrochen(b, L(1.25), y, Wert(e, Bedarfszeile::Position), 5.75);
        b.Rechts(L(7.25), y, Wert(e, Bedarfszeile::SumDorne));
        b.Text(L(8), y, Wert(e, Bedarfszeile::Bezeichnung));
        const bool manschette = MitManschette(e);
        b.Rechts(L(13), y, manschette ? Wert(e, Bedarfszeile::SumDorne) : QStringLiteral("-"));
        b.Text(L(13.75), y, manschette ? Wert(e, Bedarfszeile::Manschette) : QStringLiteral("_"));
        b.Ende(std::max(y, letzte) + Z() + 0.25);
        return b;
    }

    // The full description for the first entry; the others refer to it.
    Block Ausschreibung(int nr, const TKStueckliste::Eintrag& e) const {
        Block b;
        double y = 0.25 + Z();
        b.Linie(y);
        y += 0.25;
        b.Rechts(L(0.5), y, QString::number(nr));
        const double x = L(3);
        if (nr == 1) {
            b.Text(
                x, y,
                T(QT_TRANSLATE_NOOP("Bedarfsliste",
                                    "Doppelschubdorne zur Querkraftübertragung in Dehnfugen liefern und")));
            y += Z();
            b.Text(x, y, T(QT_TRANSLATE_NOOP("Bedarfsliste", "nach Angabe des Tragwerksplaners einbauen.")));
            y += 1.5 * Z();
            for (const char* zeile : {Bedarfstexte::System, Bedarfstexte::Ausfuehrung}) {
                b.Text(x, y, T(zeile));
                y += Z();
            }
            b.Text(x, y, T(Bedarfstexte::Bestehend));
        } else {
            b.Text(x, y, T(Bedarfstexte::WieVor));
        }
        y += 1.5 * Z();
        const double breite = seite.M().W - seite.M().R - x;
        y = Umbrochen(b, x, y, T(Bedarfstexte::Position) + Wert(e, Bedarfszeile::Position), breite) + Z();
        Anzahlzeile(b, y, e, Bedarfszeile::Bezeichnung);
        if (MitManschette(e)) {
            y += Z();
            b.Text(x, y, T(Bedarfstexte::Manschetten));
            y += Z();
            Anzahlzeile(b, y, e, Bedarfszeile::Manschette);
        }
        b.Ende(y + Z());
        return b;
    }

    // The total count and the type it counts.
    void Anzahlzeile(Block& b, double y, const TKStueckliste::Eintrag& e, std::size_t typ) const {
        b.Rechts(L(2.25), y, Wert(e, Bedarfszeile::SumDorne));
        b.Text(L(3), y, T(Bedarfstexte::Typ) + Wert(e, typ));
    }

    Seitenmaler& seite;
    Bedarfsdokument art;
};

// Header, remarks, column titles and the active entries; with `folge` a page breaks before an entry that
// does not fit.
void DokumentZeichnen(QPainter& canvas, const Seitenlayout& layout, const TKModell& modell,
                      Bedarfsdokument art, Seitenfolge* folge) {
    Seitenmaler seite(canvas, layout);
    const Kopfdaten kopf = ProjektKopf(modell);
    const QString titel = Bedarfstitel(art);
    double y = layout.Masse().T + Seitenkopf(seite, titel, kopf);
    seite.Schrift(10);
    const Bedarfsdokumentseiten dokument(seite, art);
    const Block oben = dokument.Kopf(modell.cStueckliste.GetBemerkung());
    oben.Zeichnen(seite, y);
    y += oben.Hoehe();
    int nr = 0;
    for (const TKStueckliste::Eintrag& e : AktiveEintraege(modell.cStueckliste)) {
        const Block block = dokument.Eintrag(++nr, e);
        if (folge && Seitenumbruch(*folge, titel, kopf, y, block.Hoehe())) seite.Schrift(10);
        block.Zeichnen(seite, y);
        y += block.Hoehe();
    }
}

std::vector<QImage> Bildseitenfolge(const TKModell& modell, Bedarfsdokument art, const Seitenmasse& masse,
                                    double dpi, bool umbrechen) {
    Bildseiten folge(masse, dpi);
    DokumentZeichnen(folge.Canvas(), folge.Layout(), modell, art, umbrechen ? &folge : nullptr);
    return folge.Beenden();
}

// The page of the picture exports: as high as the preview, so the list has room without breaks.
Seitenmasse Bildseite(const TKModell& modell, Bedarfsdokument art, const QPageLayout& seite, double dpi) {
    Seitenmasse masse = SeitenmasseSetzen(seite);
    masse.H = BedarfslisteVorschau(modell, art, seite, dpi).height() * 2.54 / dpi;
    return masse;
}

}  // namespace

QString Bedarfstitel(Bedarfsdokument art) {
    return T(Dokumenttitel(art));
}

bool BedarfslisteDrucken(QPagedPaintDevice& drucker, const TKModell& modell, Bedarfsdokument art) {
    Geraeteseiten folge(drucker, SeitenmasseSetzen(drucker.pageLayout()));
    if (!folge.Bereit()) return false;
    DokumentZeichnen(folge.Canvas(), folge.Layout(), modell, art, &folge);
    return folge.Beenden();
}

QImage BedarfslisteVorschau(const TKModell& modell, Bedarfsdokument art, const QPageLayout& seite,
                            double dpi) {
    return Untereinander(Bildseitenfolge(modell, art, SeitenmasseSetzen(seite), dpi, true), Trennerbreite,
                         Seitentrenner);
}

QString BedarfslisteSpeichern(const Dateiname& datei, Ausgabeformat format, const TKModell& modell,
                              Bedarfsdokument art, const QPageLayout& seite, double dpi) {
    Ausgabeinhalt inhalt;
    inhalt.titel = Bedarfstitel(art);
    inhalt.text = [&] { return BedarfslisteDatei(modell, art); };
    inhalt.seite = seite;
    inhalt.seiten = [&](QPagedPaintDevice& pdf) { return BedarfslisteDrucken(pdf, modell, art); };
    if (Format(format).art == Schreibart::Text) {
        const QString fehler = AusgabeSchreiben(datei, format, inhalt);
        if (fehler.isEmpty()) return fehler;
        return T(QT_TRANSLATE_NOOP("Bedarfsliste",
                                   "Die Bedarfsliste konnte nicht exportiert werden - Bitte prüfen "
                                   "Sie den Schreibzugriff auf dem Datenträger")) +
               " (" + fehler + ")";
    }
    if (Format(format).art == Schreibart::Seiten) return AusgabeSchreiben(datei, format, inhalt);
    // Only the pictures need the height of the whole list.
    const Seitenmasse masse = Bildseite(modell, art, seite, dpi);
    inhalt.bitmap = [&] { return Bildseitenfolge(modell, art, masse, dpi, false).front(); };
    inhalt.vektorgroesse = Bildgroesse(masse, dpi);
    inhalt.dpi = dpi;
    inhalt.vektor = [&](QPainter& canvas) {
        const Seitenlayout layout(canvas, masse, Ausgabeziel::Bildschirm);
        DokumentZeichnen(canvas, layout, modell, art, nullptr);
    };
    return AusgabeSchreiben(datei, format, inhalt);
}
