#pragma once

#include <QPageLayout>
#include <QString>
#include <string>
#include <vector>

#include "output/Ausgabe.h"
#include "output/Berechnungsnachweis.h"
#include "output/Seitenkopf.h"
#include "output/Seitenlayout.h"

class QPagedPaintDevice;
class QPainter;
class Seitenmaler;
class TKAnwendung;
class TKFarbe;
class TKModell;

// A position of a project proof: the position as the user sees it and, when its checks failed so that it
// has no results, the hints of those checks.
struct Projektposition {
    const TKAnwendung& anwendung;
    std::vector<std::string> hinweise;
};

// The calculation proof of a whole project, as a checking engineer files it: cover pages with the project
// data and one row per position (number, name, application case, chosen type, count, governing
// utilisation, admissible), then the proof pages of every position with results, in order. A position that
// failed its checks is listed on the cover with its hints and has no pages; a position without an
// admissible type stands out in red. The pages are numbered through the whole document.
class Projektnachweis {
public:
    // One page: a cover page with the rows [von, bis) of the table, or page `seite` of position `position`.
    struct Seite {
        int position = -1;  // index into the positions; -1: a cover page
        Nachweisseite seite{Seitenart::Erste};
        bool operator==(const Seite&) const = default;
    };

    // The model gives the project header; the positions and the colours must outlive the object.
    Projektnachweis(const TKModell& modell, std::vector<Projektposition> positionen, const TKFarbe& farbe);

    std::vector<Seite> Seiten(const Seitenlayout& layout) const;
    void SeiteZeichnen(QPainter& canvas, const Seitenlayout& layout, const Seite& seite,
                       Seitenzahl zahl) const;

private:
    struct Spalten {
        double nummer, name, fall, dorn, anzahl, ausnutzung, zulaessig, ende;
    };
    Spalten Spaltenlage(Seitenmaler& seite) const;
    double Zusammenfassung(const Seitenlayout& layout) const;
    double Tabellenanfang(const Seitenlayout& layout) const;
    double Kopfzeile(Seitenmaler& seite, const Spalten& spalten, double y) const;
    double Zeile(Seitenmaler& seite, const Spalten& spalten, double y, int index) const;
    void Deckblatt(Seitenmaler& seite, const Nachweisseite& teil) const;
    Berechnungsnachweis Nachweis(int index) const;
    int Fehlende() const;

    const TKModell& modell;
    std::vector<Projektposition> positionen;
    const TKFarbe& farbe;
};

// Prints all pages as one job; false when the device cannot be painted on or reports a failure.
bool ProjektnachweisDrucken(QPagedPaintDevice& drucker, const Projektnachweis& nachweis);

// The proof of the project as a file of `format` (output/Ausgabe.h; it offers a PDF of all pages). Returns an
// error text, empty on success; a failure leaves an existing file untouched.
QString ProjektnachweisSpeichern(const Dateiname& datei, Ausgabeformat format,
                                 const Projektnachweis& nachweis, const QPageLayout& seite = StandardSeite());
