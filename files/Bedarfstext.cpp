#include "files/Bedarfstext.h"

#include <algorithm>

#include "files/Zeichensatz.h"
#include "model/TKModell.h"
#include "model/Umgebung.h"

namespace {

constexpr std::size_t Breite = 80;
const std::string Leerzeile(Breite, ' ');
const std::string Strichzeile(Breite, '-');
// Continuation lines of the tender text start in column 14, under the first line's text.
const std::string Einzug(13, ' ');
const std::string Firmeneinzug(14, ' ');

constexpr const char* Firma = QT_TRANSLATE_NOOP("Bedarfsliste", "Büro / Firma: ");
constexpr const char* Bauvorhaben = QT_TRANSLATE_NOOP("Bedarfsliste", "Bauvorhaben:  ");
constexpr const char* Ausdruck = QT_TRANSLATE_NOOP("Bedarfsliste", "Ausdruck vom: ");
constexpr const char* KopfStueckliste = QT_TRANSLATE_NOOP(
    "Bedarfsliste", "Nr.  Position            Anzahl Schubdorn      Anzahl Brandschutzmanschette     ");
constexpr const char* KopfAusschreibung = QT_TRANSLATE_NOOP(
    "Bedarfsliste", "Nr.  Anzahl  Bezeichnung                                                  ");
constexpr const char* Beschreibung =
    QT_TRANSLATE_NOOP("Bedarfsliste", "Doppelschubdorne zur Querkraftübertragung in Dehnfugen");
constexpr const char* Einbau =
    QT_TRANSLATE_NOOP("Bedarfsliste", "liefern und nach Angabe des Tragwerksplaners einbauen.");

bool IstFolgebyte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Columns count characters, not the bytes of their UTF-8 form.
std::size_t Zeichen(const std::string& text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return !IstFolgebyte(c); }));
}

// Where the character with the 0-based index `zeichen` starts; the end for an index beyond the text.
std::size_t Byteposition(const std::string& text, std::size_t zeichen) {
    std::size_t gezaehlt = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IstFolgebyte(text[i])) continue;
        if (gezaehlt++ == zeichen) return i;
    }
    return text.size();
}

std::string RechtsGetrimmt(std::string text) {
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

// A line built from 80 blanks by inserting values at 1-based columns. Inserting shifts the blanks behind
// the insertion point; a value whose column the text inserted before has reached goes one blank after it.
class Spaltenzeile {
public:
    // `text` starting in column `spalte`.
    Spaltenzeile& Ab(std::size_t spalte, const std::string& text) {
        const std::size_t beginn = std::max(spalte, ende == 0 ? 1 : ende + 2);
        const std::size_t vorne = beginn - 1;
        if (Zeichen(zeile) < vorne) zeile.append(vorne - Zeichen(zeile), ' ');
        zeile.insert(Byteposition(zeile, vorne), text);
        ende = vorne + Zeichen(text);
        return *this;
    }
    // `text` ending in column `spalte`.
    Spaltenzeile& Bis(std::size_t spalte, const std::string& text) {
        const std::size_t laenge = Zeichen(text);
        return Ab(laenge < spalte ? spalte + 1 - laenge : 1, text);
    }
    const std::string& Text() const { return zeile; }

private:
    std::string zeile = Leerzeile;
    std::size_t ende = 0;  // last column of the text inserted last; 0 before the first
};

class Textexport {
public:
    explicit Textexport(const TKModell& modell)
        : modell(modell), umgebung(modell.GetUmgebung()), eintraege(AktiveEintraege(modell.cStueckliste)) {}

    std::vector<std::string> Stueckliste() {
        Kopf(Bedarfstexte::Stueckliste, KopfStueckliste);
        for (std::size_t i = 0; i < eintraege.size(); ++i)
            zeilen.push_back(Stuecklistenzeile(i + 1, eintraege[i]));
        zeilen.push_back(Strichzeile);
        return std::move(zeilen);
    }

    std::vector<std::string> Ausschreibung() {
        Kopf(Bedarfstexte::Ausschreibungstext, KopfAusschreibung);
        for (std::size_t i = 0; i < eintraege.size(); ++i) Ausschreibungseintrag(i + 1, eintraege[i]);
        return std::move(zeilen);
    }

private:
    std::string T(const char* text) const { return umgebung.translate("Bedarfsliste", text); }

    // Title, project, remarks and the column titles between dashed lines.
    void Kopf(const char* titel, const char* spalten) {
        zeilen.insert(zeilen.end(), {T(Bedarfstexte::Produkt), T(titel), Leerzeile});
        Projekt();
        zeilen.push_back(Leerzeile);
        Bemerkungen();
        zeilen.insert(zeilen.end(), {Leerzeile, Strichzeile, T(spalten), Strichzeile});
    }

    // Up to three company lines, the second and third under the first; the project and today's date.
    void Projekt() {
        const std::vector<std::string>& firma = modell.cProjektdaten.GetFirma();
        zeilen.push_back(T(Firma) + (firma.empty() ? std::string() : firma.front()));
        for (std::size_t i = 1; i < std::min<std::size_t>(3, firma.size()); ++i)
            zeilen.push_back(Firmeneinzug + firma[i]);
        zeilen.push_back(T(Bauvorhaben) + modell.cProjektdaten.GetBauvorhaben());
        zeilen.push_back(T(Ausdruck) + umgebung.HeuteKurz());
    }

    void Bemerkungen() {
        const std::vector<std::string>& bemerkung = modell.cStueckliste.GetBemerkung();
        zeilen.insert(zeilen.end(), bemerkung.begin(), bemerkung.end());
    }

    static std::string Stuecklistenzeile(std::size_t nr, const TKStueckliste::Eintrag& e) {
        Spaltenzeile zeile;
        zeile.Bis(3, std::to_string(nr))
            .Ab(6, Zeile(e, Bedarfszeile::Position))
            .Bis(30, Zeile(e, Bedarfszeile::SumDorne))
            .Ab(33, Zeile(e, Bedarfszeile::Bezeichnung));
        if (MitManschette(e))
            zeile.Bis(52, Zeile(e, Bedarfszeile::SumDorne)).Ab(55, Zeile(e, Bedarfszeile::Manschette));
        else
            zeile.Ab(52, "-").Ab(55, "-");
        return zeile.Text();
    }

    // The count ending in column 10 and the type behind it.
    std::string Typzeile(const TKStueckliste::Eintrag& e, std::size_t typ) const {
        return RechtsGetrimmt(Spaltenzeile().Bis(10, Zeile(e, Bedarfszeile::SumDorne)).Text()) + "   " +
               T(Bedarfstexte::Typ) + Zeile(e, typ);
    }

    // The full description for the first entry; the others refer to it.
    void Ausschreibungseintrag(std::size_t nr, const TKStueckliste::Eintrag& e) {
        zeilen.push_back(RechtsGetrimmt(Spaltenzeile()
                                            .Bis(3, std::to_string(nr))
                                            .Ab(14, T(nr == 1 ? Beschreibung : Bedarfstexte::WieVor))
                                            .Text()));
        if (nr == 1)
            zeilen.insert(zeilen.end(),
                          {Einzug + T(Einbau), Leerzeile, Einzug + T(Bedarfstexte::System),
                           Einzug + T(Bedarfstexte::Ausfuehrung), Einzug + T(Bedarfstexte::Bestehend)});
        zeilen.push_back(Leerzeile);
        zeilen.push_back(Einzug + T(Bedarfstexte::Position) + Zeile(e, Bedarfszeile::Position));
        zeilen.push_back(Typzeile(e, Bedarfszeile::Bezeichnung));
        if (MitManschette(e)) {
            zeilen.push_back(Einzug + T(Bedarfstexte::Manschetten));
            zeilen.push_back(Typzeile(e, Bedarfszeile::Manschette));
        }
        zeilen.push_back(Strichzeile);
    }

    const TKModell& modell;
    const Umgebung& umgebung;
    const std::vector<TKStueckliste::Eintrag> eintraege;
    std::vector<std::string> zeilen;
};

}  // namespace

std::vector<std::string> BedarfslisteText(const TKModell& modell, Bedarfsdokument art) {
    Textexport text(modell);
    return art == Bedarfsdokument::Stueckliste ? text.Stueckliste() : text.Ausschreibung();
}

std::string BedarfslisteDatei(const TKModell& modell, Bedarfsdokument art) {
    std::string text;
    for (const std::string& zeile : BedarfslisteText(modell, art)) text.append(zeile).append("\r\n");
    return Utf8AlsDateiText(text);
}
