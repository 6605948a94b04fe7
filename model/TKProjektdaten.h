#pragma once

#include <string>
#include <vector>

struct Umgebung;

// Header of a project: building, company lines, engineer, date and project number.
class TKProjektdaten {
public:
    explicit TKProjektdaten(const Umgebung& umgebung);  // the date starts as today's

    const std::string& GetBauvorhaben() const { return TBauvorhaben; }
    void SetBauvorhaben(const std::string& v) { TBauvorhaben = v; }
    const std::vector<std::string>& GetFirma() const { return TFirma; }
    void SetFirma(const std::vector<std::string>& pFirma) { TFirma = pFirma; }
    const std::string& GetBearbeiter() const { return TBearbeiter; }
    void SetBearbeiter(const std::string& v) { TBearbeiter = v; }
    const std::string& GetDatum() const { return TDatum; }
    void SetDatum(const std::string& v) { TDatum = v; }
    const std::string& GetProjektNr() const { return TProjektNr; }
    void SetProjektNr(const std::string& v) { TProjektNr = v; }

    bool operator==(const TKProjektdaten&) const = default;

private:
    std::string TBauvorhaben;
    std::vector<std::string> TFirma;
    std::string TBearbeiter;
    std::string TDatum;
    std::string TProjektNr;
};
