#include "sitzung/Tragfaehigkeitstabellen.h"

#include "calc/Tragfaehigkeitstabelle.h"
#include "files/Zeichensatz.h"
#include "model/Katalog.h"
#include "model/Texte.h"
#include "model/Umgebung.h"
#include "model/Zahlentext.h"

namespace {

std::string T(const Umgebung& umgebung, const char* text) {
    return umgebung.translate("Tragfaehigkeitstabelle", text);
}

// A resistance of the table, to 0.01 kN.
std::string Zahl(double wert, const Umgebung& umgebung) {
    return FestkommaText(wert, 2, umgebung.Dezimaltrenner());
}

std::string Zeile(const std::vector<std::string>& spalten) {
    std::string zeile;
    for (const std::string& s : spalten) {
        if (!zeile.empty()) zeile += ';';
        zeile += s;
    }
    return zeile;
}

std::vector<std::string> Kopf(const Umgebung& u) {
    namespace T_ = Tabellentexte;
    return {T(u, T_::Dorn),        T(u, T_::Betonguete), T(u, T_::Dicke),      T(u, T_::Fugenbreite),
            T(u, T_::Brandschutz), T(u, T_::Bewehrung),  "V_Rd,s [kN]",        "V_Rd,ct [kN]",
            "V_Rd,ce [kN]",        "V_Rd [kN]",          T(u, T_::Massgebend), T(u, T_::MinRand),
            T(u, T_::MinAchs),     T(u, T_::Bemerkung)};
}

std::vector<std::string> Werte(const Tabellenzelle& z, const Umgebung& u) {
    const Tabellenpunkt& p = z.punkt;
    std::vector<std::string> werte{
        DornName(p.dorn), GueteText(p, u),       ZentimeterText(p.h, u.Dezimaltrenner()),
        FugeText(p, u),   BrandschutzText(p, u), MethodeText(p, u)};
    if (!z.Zulaessig()) {
        werte.insert(werte.end(), 7, std::string());
        werte.push_back(FehlerText(z, u));
        return werte;
    }
    for (double v : {z.VRds, z.VRdct, z.VRdce, z.VRd}) werte.push_back(Zahl(v, u));
    werte.push_back(NachweisText(z, u));
    werte.push_back(ZentimeterText(z.minRand, u.Dezimaltrenner()));
    werte.push_back(ZentimeterText(z.minAchs, u.Dezimaltrenner()));
    werte.emplace_back();
    return werte;
}

}  // namespace

std::string GueteText(const Tabellenpunkt& punkt, const Umgebung& umgebung) {
    return Text(TextListe::Betonguete, punkt.guete, umgebung);
}

std::string FugeText(const Tabellenpunkt& punkt, const Umgebung& umgebung) {
    return Text(TextListe::Fugenbreite, punkt.fuge, umgebung);
}

std::string BrandschutzText(const Tabellenpunkt& punkt, const Umgebung& umgebung) {
    return Text(TextListe::Feuerwiderstand, punkt.brandschutz, umgebung);
}

std::string MethodeText(const Tabellenpunkt& punkt, const Umgebung& umgebung) {
    return Text(TextListe::BewehrungCalc, punkt.methode, umgebung);
}

std::string NachweisText(const Tabellenzelle& zelle, const Umgebung& umgebung) {
    return T(umgebung, Tabellentexte::Nachweise[static_cast<int>(zelle.massgebend)]);
}

std::string FehlerText(const Tabellenzelle& zelle, const Umgebung& umgebung) {
    std::string text;
    for (std::uint16_t code : zelle.fehler) {
        if (!text.empty()) text += " / ";
        text += Text(TextListe::StatusLang, code, umgebung);
    }
    return text;
}

std::vector<std::string> TabellenCsv(const std::vector<Tabellenzelle>& zellen, const Umgebung& umgebung) {
    std::vector<std::string> zeilen{Zeile(Kopf(umgebung))};
    for (const Tabellenzelle& z : zellen) zeilen.push_back(Zeile(Werte(z, umgebung)));
    return zeilen;
}

std::string TabellenCsvDatei(const std::vector<Tabellenzelle>& zellen, const Umgebung& umgebung) {
    std::string text;
    for (const std::string& zeile : TabellenCsv(zellen, umgebung)) text += zeile + "\r\n";
    return Utf8AlsDateiText(text);
}

bool Projektsitzung::PositionAusTabelle(const Tabellenzelle& zelle) {
    if (!zelle.Zulaessig() || !PlatzFuerPosition()) return false;
    const Tabellenpunkt& p = zelle.punkt;
    return PositionAnhaengen(QT_TRANSLATE_NOOP("Projektsitzung", "Position aus Tabelle"), [&] {
        // A fresh position, so that nothing of the current position stays behind.
        TKAnwendung neu(umgebung_);
        Referenzsituation(neu, p, zelle.VRd, zelle.minRand);
        neu.SetPosition(DornName(p.dorn) + ", " + GueteText(p, umgebung_) +
                        ", h = " + ZentimeterText(p.h, umgebung_.Dezimaltrenner()) + " cm");
        neu.cErgebnisse.SetAktDorn(p.dorn);
        modell_.SetAnzAnwendung(static_cast<std::uint16_t>(modell_.GetAnzAnwendung() + 1));
        modell_.cAnwendung.back() = std::move(neu);
        modell_.SetEingabeDorn(p.dorn);
        modell_.SetEingabeFugenbreite(p.fuge);
        return true;
    });
}
