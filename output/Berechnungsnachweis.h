#pragma once

#include <QString>
#include <vector>

#include "model/Typen.h"
#include "output/Seitenkopf.h"

class QPainter;
class Seitenlayout;
class Seitenmaler;
class Skizzenzeichner;
class TKAnwendung;
class TKDornDaten;
class TKDornErgebnis;
class TKFarbe;
class TKModell;

// The kinds of pages of a calculation proof, in printing order.
enum class Seitenart { Erste, Lastverlauf, Skizzen, Koordinaten };

// One page of a proof. Pages with a table (load points, dowel coordinates) show the rows [von, bis); a
// table too long for one page goes on on the next page of the same kind. The first page shows the parts
// [von, bis) of its content (inputs, results, resistances); what does not fit goes on a page of the same
// kind.
struct Nachweisseite {
    Seitenart art;
    int von = 0;
    int bis = 0;
    bool operator==(const Nachweisseite&) const = default;
};

// The calculation proof of a position for its selected dowel type: the first page with inputs, input
// sketches and results, the load table for an arbitrary line load, the sketch page, and for more than ten
// dowels the dowel coordinates. It reads the model when it draws and keeps nothing of it.
class Berechnungsnachweis {
public:
    // The model gives the project header and the input sketch's data; `anwendung` is the position reported
    // (in the main window its working copy). All three must outlive the object.
    Berechnungsnachweis(const TKModell& modell, const TKAnwendung& anwendung, const TKFarbe& farbe);

    // The pages as they are laid out with this layout's line heights.
    std::vector<Nachweisseite> Seiten(const Seitenlayout& layout) const;
    // Draws header and content of a page onto the canvas, whose device the layout was measured on.
    void SeiteZeichnen(QPainter& canvas, const Seitenlayout& layout, const Nachweisseite& seite,
                       Seitenzahl zahl) const;

    static constexpr int MaxDorneOhneKoordinaten = 10;
    static constexpr int ErsteSeiteTeile = 3;

private:
    struct Tabelle {
        double start;    // y of the first row, cm
        int zeilen;      // rows of the whole table
        int jeSeite;     // rows that fit on one page
        int aufLetzter;  // rows that fit on the last page
    };
    Tabelle Lasttabelle(const Seitenlayout& layout) const;
    Tabelle Koordinatentabelle(const Seitenlayout& layout) const;
    static void Verteilen(const Tabelle& tabelle, Seitenart art, std::vector<Nachweisseite>& seiten);
    // Where a part of the first page's content ends: `weiter` where the next part goes on, `unten` the
    // lowest point it drew (its sketches reach below its last line).
    struct Teilende {
        double weiter;
        double unten;
    };
    void ErsteSeiteVerteilen(const Seitenlayout& layout, std::vector<Nachweisseite>& seiten) const;
    static double Teilanfang(int teil, double y, bool oben);
    Teilende ErsterSeitenteil(int teil, Seitenmaler& seite, double y) const;

    const TKDornErgebnis& Ergebnis() const;
    const TKDornDaten& Dorn() const;
    int AnzDorn() const;
    double Inhalt(const Seitenlayout& layout) const;  // y where the content of every page starts
    char Trenner() const;

    void ErsteSeite(Seitenmaler& seite, double y, const Nachweisseite& teile) const;
    Teilende Eingaben(Seitenmaler& seite, double y) const;
    Teilende Ergebnisse(Seitenmaler& seite, double y) const;
    Teilende Widerstaende(Seitenmaler& seite, double y) const;
    QString Gewaehlt() const;
    double VorhandenerDornabstand() const;
    void Lastseite(Seitenmaler& seite, double y, const Nachweisseite& teil) const;
    void Skizzenseite(Seitenmaler& seite, double y) const;
    void Koordinatenseite(Seitenmaler& seite, double y, const Nachweisseite& teil) const;
    void Dornreihe(Seitenmaler& seite, double y) const;
    void Bewehrungsuebersicht(Seitenmaler& seite, double x, double y) const;
    Skizzenzeichner Zeichner(Seitenmaler& seite) const;

    const TKModell& modell;
    const TKAnwendung& anwendung;
    const TKFarbe& farbe;
};

// The smallest edge distance of a single dowel at a column, mm: 120 up to the 60 HF types, 150 up to the
// 150 types, 230 for the 400 and 450 types; each ZAVRQ type like the ZAVR type of its size.
double MinRandabstandStuetze(TsDorn dorn);

// The intermediate results of the reinforcement dialog (A_sx, A_sy, ρ_l of the result) at the top left of
// a screen canvas.
void ZwischenergebnisBewehrung(QPainter& canvas, const TKDornErgebnis& ergebnis, char dezimaltrenner);
