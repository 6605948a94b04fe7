#pragma once

#include <string>
#include <vector>

#include "model/TKStueckliste.h"
#include "model/Uebersetzung.h"

class TKAnwendung;

// The lines of a bill-of-quantities entry, by index. The project file stores them in this order.
namespace Bedarfszeile {
enum : std::size_t {
    Position = 0,     // name of the position
    AnzPos = 1,       // number of equal positions
    AnzDorne = 2,     // dowels of one position
    Bezeichnung = 3,  // display name of the dowel type
    SumDorne = 4,     // dowels of all equal positions
    Status = 5,       // StatusAktiv or StatusNichtAktiv
    LfdNr = 6,        // the position number; identifies the entry
    Manschette = 7,   // the fire-protection sleeve; empty without one
    VRdZul = 8,       // maßgebender Bemessungswiderstand, one decimal
    Dorn = 9,         // ordinal of the dowel type
    Anzahl = 10,
};
}  // namespace Bedarfszeile

// The values of line 5. They are stored in project files and stay German whatever the language.
inline constexpr const char* StatusAktiv = "aktiv";
inline constexpr const char* StatusNichtAktiv = "nicht aktiv";

// The two documents made from the bill.
enum class Bedarfsdokument { Stueckliste, Ausschreibungstext };

// Texts of both documents, on the page and in the text export: German source texts of the translation
// context "Bedarfsliste".
namespace Bedarfstexte {
inline constexpr const char* Produkt =
    QT_TRANSLATE_NOOP("Bedarfsliste", "QUORVEL® Doppelschubdorn nach Zulassung Z-98.6-341");
inline constexpr const char* Stueckliste = QT_TRANSLATE_NOOP("Bedarfsliste", "Stückliste");
inline constexpr const char* Ausschreibungstext = QT_TRANSLATE_NOOP("Bedarfsliste", "Ausschreibungstext");
inline constexpr const char* System =
    QT_TRANSLATE_NOOP("Bedarfsliste", "Zugelassenes System: Zul.-Nr. Z-98.6-341");
inline constexpr const char* Ausfuehrung = QT_TRANSLATE_NOOP("Bedarfsliste", "Ausführung: Edelstahl");
inline constexpr const char* Bestehend =
    QT_TRANSLATE_NOOP("Bedarfsliste", "Bestehend aus Dornelement und Hülse");
inline constexpr const char* WieVor = QT_TRANSLATE_NOOP("Bedarfsliste", "wie vor, jedoch:");
inline constexpr const char* Position = QT_TRANSLATE_NOOP("Bedarfsliste", "Position: ");
inline constexpr const char* Typ = QT_TRANSLATE_NOOP("Bedarfsliste", "Typ: ");
inline constexpr const char* Manschetten = QT_TRANSLATE_NOOP("Bedarfsliste", "und Brandschutzmanschetten");
}  // namespace Bedarfstexte

// The page title and the second line of the text export of a document, untranslated.
const char* Dokumenttitel(Bedarfsdokument art);

// The entry of a designed position for its selected dowel type; `nummer` is the position number as the
// position selector shows it. One position, active, with the total equal to the dowels of the type.
TKStueckliste::Eintrag Bedarfseintrag(const TKAnwendung& anwendung, const std::string& nummer,
                                      char dezimaltrenner);

// Line `zeile` of an entry; empty for a line the entry does not have (a hand-written project file).
const std::string& Zeile(const TKStueckliste::Eintrag& eintrag, std::size_t zeile);
bool IstAktiv(const TKStueckliste::Eintrag& eintrag);
bool MitManschette(const TKStueckliste::Eintrag& eintrag);
void AktivSetzen(TKStueckliste::Eintrag& eintrag, bool aktiv);
// Sets the number of equal positions and the total: dowels of one position × `anzahl`.
void AnzahlGleicherPositionSetzen(TKStueckliste::Eintrag& eintrag, int anzahl);

// The entries that appear in the documents, in the order of the list.
std::vector<TKStueckliste::Eintrag> AktiveEintraege(const TKStueckliste& liste);
