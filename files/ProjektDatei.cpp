#include "files/ProjektDatei.h"

#include <exception>
#include <system_error>

#include "files/ProjektLeser.h"
#include "files/ProjektSchreiber.h"
#include "files/TKDateiTransfer.h"
#include "model/TKModell.h"
#include "model/Umgebung.h"

void ProjektSpeichern(const TKModell& modell, const std::string& pFileName) {
    Dateiziel ziel(pFileName, TKDateiTransfer::MaxDateigroesse);
    SchreibeZeilen(ziel, modell.GetUmgebung().Dezimaltrenner(),
                   [&](Zeilenschreiber& s) { SchreibeProjekt(s, modell); });
    ziel.Abschliessen();
}

bool SaveToFile(const TKModell& modell, const std::string& pFileName) {
    try {
        ProjektSpeichern(modell, pFileName);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

// Only the file-open error reaches the caller; anything else that goes wrong while decoding is a file that
// cannot be read as a project.
bool ReadFromFile(TKModell& modell, const std::string& pFileName) {
    TKDateiTransfer s(modell.GetUmgebung().Dezimaltrenner());
    try {
        s.ReadFile(pFileName);
    } catch (const std::system_error&) {
        throw;
    } catch (const std::exception&) {
        return false;
    }
    return LeseProjekt(s, modell);
}

bool ReadPartFromFile(TKModell& modell, const std::string& pFileName, int pPosition) {
    TKModell quelle(modell.GetUmgebung());
    if (!ReadFromFile(quelle, pFileName)) return false;
    if (pPosition < 0 || pPosition >= quelle.GetAnzAnwendung() || modell.GetAnzAnwendung() == UINT16_MAX)
        return false;
    try {
        TKAnwendung kopie = quelle.cAnwendung[pPosition];
        modell.SetAnzAnwendung(static_cast<std::uint16_t>(modell.GetAnzAnwendung() + 1));
        modell.cAnwendung.back() = std::move(kopie);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool KopiereAnwendung(TKModell& modell, int pSource, int pTarget) {
    const int anzahl = modell.GetAnzAnwendung();
    if (pSource < 1 || pSource > anzahl || pTarget < 1 || pTarget > anzahl) return false;
    try {
        TKAnwendung kopie = modell.cAnwendung[pSource - 1];
        kopie.SetPosition(std::to_string(pTarget));
        modell.cAnwendung[pTarget - 1] = std::move(kopie);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}
