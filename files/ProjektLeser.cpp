#include "files/ProjektLeser.h"

#include <algorithm>
#include <exception>
#include <iterator>

#include "files/ProjektFelder.h"
#include "files/ProjektTexte.h"
#include "model/Ergebnisgrenzen.h"
#include "model/TKModell.h"
#include "model/Umgebung.h"

ProjektLeser::ZuVielePositionen::ZuVielePositionen() : std::runtime_error(MeldungZuVielePositionen) {}

ProjektLeser::KeinePositionsanzahl::KeinePositionsanzahl(std::string wert)
    : std::runtime_error(MeldungKeinePositionsanzahl), text(std::move(wert)) {}

void ProjektLeser::Befund(Lesebefund::Art art, std::string key, std::string wert) {
    befunde.push_back({art, position, section + "." + key, std::move(wert)});
}

void ProjektLeser::Beschaedigt(std::string_view key, std::string wert) {
    if (ergebnisse) Befund(Lesebefund::Art::Beschaedigt, std::string(key), std::move(wert));
}

int ProjektLeser::LiesAnzahl(const Schluessel& key) {
    if (leer) return 0;
    const TKDateiTransfer::Ganzzahl anzahl = s.ReadGanzzahl(section, key);
    if (anzahl.vorhanden && !anzahl.wert)
        Befund(ergebnisse ? Lesebefund::Art::Beschaedigt : Lesebefund::Art::KeineAnzahl,
               std::string(key.Text()), anzahl.text);
    return anzahl.wert.value_or(0);
}

int ProjektLeser::Listenlaenge(const Schluessel& key, std::initializer_list<std::string_view> praefixe,
                               int von) {
    const int anzahl = LiesAnzahl(key);
    if (anzahl > 0 && !leer && s.Folgen(section, praefixe, Nr(von), Nr(anzahl))) return anzahl;
    return Glaubhaft(anzahl, [&](int i) {
        return std::any_of(praefixe.begin(), praefixe.end(), [&](std::string_view praefix) {
            return Da({praefix, Nr(i + von)});
        });
    });
}

// Elements a list's count did not take are lost to the project: in the results that makes them damaged,
// elsewhere the notice names the first of them.
void ProjektLeser::ListenPruefen() {
    if (!leer && !listen.empty() && s.AbschnittOffen(section)) {
        for (const std::string& praefix : listen) {
            const std::vector<std::size_t> rest = s.Indizes(section, praefix);
            if (rest.empty()) continue;
            const std::string key = praefix + std::to_string(rest.front());
            if (ergebnisse)
                Befund(Lesebefund::Art::Beschaedigt, key, s.ReadString(section, key));
            else
                Befund(Lesebefund::Art::NichtGelesen, key);
        }
    }
    listen.clear();
}

// The count is applied at once, whatever the file holds of the positions (absent keys read their defaults);
// a file without positions gets one, and the current position is kept inside the list. A count that is no
// number leaves open which positions the file has: the file is refused.
void ProjektLeser::Positionen(TKModell& m) {
    const TKDateiTransfer::Ganzzahl angegeben = s.ReadGanzzahl(section, "TAnzAnwendung");
    if (angegeben.vorhanden && !angegeben.wert) throw KeinePositionsanzahl(angegeben.text);
    const int anzahl = std::max(angegeben.wert.value_or(m.GetAnzAnwendung()), 1);
    if (anzahl > MaxPositionen) throw ZuVielePositionen();
    m.SetAnzAnwendung(static_cast<std::uint16_t>(anzahl));
    const int akt = std::clamp(LiesZahl("TAktAnwendung", m.GetAktAnwendung()), 1, anzahl);
    m.SetAktAnwendung(static_cast<std::uint16_t>(akt));
}

// An entry always gets its ten title lines (empty when absent, as in a file written under another
// language); only the continuation lines depend on the stored count.
void ProjektLeser::Eintraege(TKStueckliste& stueckliste) {
    stueckliste.ResetEintraege();
    const int anzahl = Listenlaenge("TStueckliste", {"TStueckliste"}, 1);
    const int titelzeilen = static_cast<int>(StuecklistenTitel.size());
    for (int n = 1; n <= anzahl; ++n) {
        const std::string nr = std::to_string(n);
        const int zeilen = std::max(LiesZahl({"TStueckliste", Nr(n)}, 0), titelzeilen);
        TKStueckliste::Eintrag eintrag;
        for (const char* titel : StuecklistenTitel)
            eintrag.push_back(LiesText("TStueckliste" + std::string(titel) + nr));
        const std::string folgeschluessel =
            "TStueckliste" + std::string(StuecklistenTitel[FolgezeilenTitel]) + nr;
        const int folgezeilen = Glaubhaft(zeilen - titelzeilen, [&](int l) {
            return Da({folgeschluessel, Nr(l + titelzeilen)});
        });
        for (int l = 0; l < folgezeilen; ++l)
            eintrag.push_back(LiesText({folgeschluessel, Nr(l + titelzeilen)}));
        stueckliste.AddEintrag(eintrag);
    }
}

// The file holds the shape and the total load before the points and the length after them; the setters need
// the length before the points (setting it later would pull points beyond it back onto it) and shape and
// total load last, as stored, because the points recompute both (a joint cut by PruefeFugenlaenge keeps its
// old total). So the values are read in the file's order and set in the setters'. TAnzLastPunkte follows
// from the points: it is taken from the file unused, so that the lines after it are read where they stand.
void ProjektLeser::Belastung(TKBelastung& b) {
    using T = TKBelastung;
    Enum("TBelastungsfall", b, &T::GetBelastungsfall, &T::SetBelastungsfall);
    Float("TLastverteilung", b, &T::GetLastverteilung, &T::SetLastverteilung);
    Float("TPunktLast", b, &T::GetPunktLast, &T::SetPunktLast);
    Float("TGammaf", b, &T::GetGammaf, &T::SetGammaf);
    const std::optional<double> gesamt = FloatWert("TGesamtLast");
    const std::optional<int> linienlast = ZahlWert("TLinienlast");
    std::vector<TrFloatPoint> punkte = Lastpunkte();
    const std::optional<double> laenge = FloatWert("TLastLaenge");
    ZahlWert("TAnzLastPunkte");
    const std::optional<double> links = FloatWert("TLinienLastLinks");
    const std::optional<double> rechts = FloatWert("TLinienLastRechts");
    b.SetLastLaenge(laenge.value_or(b.GetLastLaenge()));
    b.SetbeliebigeLast(std::move(punkte));
    b.SetLinienLastLinks(links.value_or(b.GetLinienLastLinks()));
    b.SetLinienLastRechts(rechts.value_or(b.GetLinienLastRechts()));
    b.SetLinienlast(AusDateiwert(linienlast.value_or(Dateiwert(b.GetLinienlast())), b.GetLinienlast()));
    b.SetGesamtLast(gesamt.value_or(b.GetGesamtLast()));
}

namespace {

// The indices below `ende` that `vorhanden` (sorted) lacks, as "prefix a" or "prefix a … prefix b" runs.
std::vector<std::string> Luecken(const std::vector<std::size_t>& vorhanden, std::size_t ende,
                                 std::string_view praefix) {
    std::vector<std::string> luecken;
    const auto lauf = [&](std::size_t von, std::size_t bis) {
        if (von >= bis) return;
        std::string text = std::string(praefix) + std::to_string(von);
        if (bis - von > 1) text += " … " + std::string(praefix) + std::to_string(bis - 1);
        luecken.push_back(std::move(text));
    };
    std::size_t naechster = 0;
    for (std::size_t i : vorhanden) {
        if (i >= ende) break;
        lauf(naechster, i);
        naechster = i + 1;
    }
    lauf(naechster, ende);
    return luecken;
}

bool Lueckenlos(const std::vector<std::size_t>& indizes, std::size_t anzahl) {
    return indizes.size() == anzahl && (anzahl == 0 || indizes.back() == anzahl - 1);
}

}  // namespace

// The points in index order, inserted like AddbeliebigeLast does (sorted by x, equal x in file order).
// Every point present is read, also beyond the count. A missing key takes its default only where the list
// still reads in order: y as 0, x as 0 while no point before lies further right; a point whose x is missing
// later on is left out. The notice names the missing keys, and a count that does not match the points.
std::vector<TrFloatPoint> ProjektLeser::Lastpunkte() {
    constexpr std::string_view x = "TbeliebigeLast_x";
    constexpr std::string_view y = "TbeliebigeLast_y";
    if (leer) return {};
    const auto anzahl = static_cast<std::size_t>(std::max(LiesAnzahl("AnzbeliebigeLast"), 0));
    const std::vector<std::size_t> xs = s.Indizes(section, x);
    const std::vector<std::size_t> ys = s.Indizes(section, y);
    std::vector<TrFloatPoint> punkte;
    if (Lueckenlos(xs, anzahl) && Lueckenlos(ys, anzahl)) {
        punkte.resize(anzahl);
        for (std::size_t i = 0; i < anzahl; ++i) punkte[i] = {LiesFloat({x, i}, 0), LiesFloat({y, i}, 0)};
        return punkte;
    }
    std::vector<std::size_t> alle;
    std::set_union(xs.begin(), xs.end(), ys.begin(), ys.end(), std::back_inserter(alle));
    punkte.reserve(alle.size());
    double weitesteX = 0;
    for (std::size_t i : alle) {
        const bool mitX = std::binary_search(xs.begin(), xs.end(), i);
        const TrFloatPoint punkt{mitX ? LiesFloat({x, i}, 0) : 0, LiesFloat({y, i}, 0)};
        if (!mitX && weitesteX > 0) continue;
        weitesteX = std::max(weitesteX, punkt.x);
        punkte.push_back(punkt);
    }
    const std::size_t ende = std::max(anzahl, alle.empty() ? 0 : alle.back() + 1);
    std::vector<std::string> fehlend = Luecken(xs, ende, x);
    for (std::string& luecke : Luecken(ys, ende, y)) fehlend.push_back(std::move(luecke));
    std::string text;
    for (const std::string& key : fehlend) text += (text.empty() ? "" : ", ") + section + "." + key;
    if (!text.empty()) befunde.push_back({Lesebefund::Art::Fehlend, position, text, {}});
    if (fehlend.empty() && punkte.size() != anzahl)
        Befund(Lesebefund::Art::NichtGelesen, "AnzbeliebigeLast", std::to_string(punkte.size()));
    return punkte;
}

void ProjektLeser::AnzDorn(TKErgebnisse& r, int anzahl) {
    for (const TsDorn dorn : Katalog().Typen()) {
        const int d = Dateinummer(dorn);
        if (d >= anzahl) continue;
        const int wert = LiesZahl({"TAnzDorn_", Nr(d)}, 0);
        if (!std::in_range<std::uint16_t>(wert))
            Beschaedigt("TAnzDorn_" + std::to_string(d), std::to_string(wert));
        r.SetAnzDorn(dorn, std::in_range<std::uint16_t>(wert) ? static_cast<std::uint16_t>(wert) : 0);
    }
}

void ProjektLeser::VRds(TKDornDaten& d) {
    const int anzahl = Anzahl("AnzTVRds", 0, AnzahlWerte<TsFugenbreite>());
    for (int i = 0; i < anzahl; ++i) {
        const auto fb = static_cast<TsFugenbreite>(i);
        d.SetVRds(fb, LiesFloat({"TVRds_", Nr(i)}, d.GetVRds(fb)));
    }
}

void ProjektLeser::DornAbstaende(TKDornErgebnis& e) {
    constexpr std::string_view abstand = "TDornAbstand_";
    constexpr std::string_view notwendig = "TDornNotwendig_";
    const int anzahl = Listenlaenge("AnzTDornAbstand", {abstand, notwendig});
    Liste(std::string(abstand));
    Liste(std::string(notwendig));
    e.ResetDornAbstand();
    for (int i = 0; i < anzahl; ++i) {
        const double wert = LiesFloat({abstand, Nr(i)}, 0);
        e.AddDornAbstand(wert, LiesFlag({notwendig, Nr(i)}));
    }
}

void ProjektLeser::Meldungen(TKMeldungen& m) {
    constexpr std::string_view meldung = "TMeldungen_";
    const int anzahl = Listenlaenge("AnzTMeldungen", {meldung});
    Liste(std::string(meldung));
    m.Reset();
    // Codes without a text are damaged; they are not taken, so a long list of them costs no more than its
    // lines.
    for (int i = 0; i < anzahl; ++i) {
        const int code = LiesZahl({meldung, Nr(i)}, 0);
        if (code < 0 || code > MaxMeldungscode)
            Beschaedigt(std::string(meldung) + std::to_string(i), std::to_string(code));
        else
            m.SetMeldung(static_cast<std::uint16_t>(code));
    }
}

namespace {

// Positions whose results hold a damaged value give them up: drawings, sketches, the proof and the dialogs
// then see a position that is not designed, and the next design run fills the results anew. The choice of
// type and sketch stays, being no result.
void ErgebnisseVerwerfen(TKModell& modell, std::vector<Lesebefund>& befunde) {
    for (int p = 1; p <= modell.GetAnzAnwendung(); ++p) {
        TKAnwendung& a = modell.cAnwendung[static_cast<std::size_t>(p - 1)];
        const bool gelesen = std::any_of(befunde.begin(), befunde.end(), [&](const Lesebefund& b) {
            return b.position == p && b.art == Lesebefund::Art::Beschaedigt;
        });
        const std::optional<Grenzverletzung> grenze = ErsteGrenzverletzung(a.cErgebnisse);
        if (!gelesen && !grenze) continue;
        if (grenze) {
            const std::string nr = std::to_string(p);
            const std::string dorn = grenze->dorn ? "_" + std::to_string(Dateinummer(*grenze->dorn)) : "";
            befunde.push_back({Lesebefund::Art::Beschaedigt, p,
                               grenze->abschnitt + nr + dorn + "." + grenze->schluessel,
                               std::to_string(grenze->wert)});
        }
        TKErgebnisse leer(a.GetAktLand());
        leer.SetAktDorn(a.cErgebnisse.GetAktDorn());
        leer.SetErgebnisAnzeige(a.cErgebnisse.GetErgebnisAnzeige());
        a.cErgebnisse = std::move(leer);
    }
}

}  // namespace

std::string Befundtext(const std::vector<Lesebefund>& befunde, const TKModell& modell) {
    constexpr std::size_t hoechstens = 20;  // a notice stays readable
    const Umgebung& u = modell.GetUmgebung();
    std::vector<std::string> zeilen;
    std::vector<int> verworfen;  // positions whose damage was told already
    for (const Lesebefund& b : befunde) {
        std::string zeile;
        switch (b.art) {
            case Lesebefund::Art::Beschaedigt:
                if (std::find(verworfen.begin(), verworfen.end(), b.position) != verworfen.end()) continue;
                verworfen.push_back(b.position);
                zeile = Einsetzen(u.translate("Projektdatei",
                                              "%1 = %2 ist beschädigt. Die gespeicherten Ergebnisse wurden "
                                              "verworfen; die Position ist nicht bemessen."),
                                  {b.schluessel, b.wert});
                break;
            case Lesebefund::Art::KeineAnzahl:
                zeile = Einsetzen(u.translate("Projektdatei", "%1 = %2 ist keine Anzahl."),
                                  {b.schluessel, b.wert});
                break;
            case Lesebefund::Art::Fehlend:
                zeile = Einsetzen(
                    u.translate("Projektdatei", "Es fehlen %1; die vorhandenen Lastpunkte wurden gelesen."),
                    {b.schluessel});
                break;
            case Lesebefund::Art::NichtGelesen:
                zeile =
                    b.wert.empty()
                        ? Einsetzen(u.translate("Projektdatei",
                                                "%1 und was folgt wurde nicht gelesen: die Anzahl der Liste "
                                                "umfasst es nicht."),
                                    {b.schluessel})
                        : Einsetzen(u.translate("Projektdatei",
                                                "%1 passt nicht zu den Lastpunkten; gelesen wurden die %2 "
                                                "vorhandenen."),
                                    {b.schluessel, b.wert});
                break;
        }
        if (b.position > 0 && b.position <= modell.GetAnzAnwendung())
            zeile =
                Einsetzen(u.translate("Projektdatei", "Position %1 \"%2\": %3"),
                          {std::to_string(b.position),
                           modell.cAnwendung[static_cast<std::size_t>(b.position - 1)].GetPosition(), zeile});
        zeilen.push_back(std::move(zeile));
    }
    if (zeilen.empty()) return {};
    std::string text = u.translate("Projektdatei", "Beim Lesen des Projekts ist aufgefallen:");
    for (std::size_t i = 0; i < std::min(zeilen.size(), hoechstens); ++i) text += "\n" + zeilen[i];
    if (const int weitere = static_cast<int>(zeilen.size()) - static_cast<int>(hoechstens); weitere > 0)
        text += "\n" + u.translate("Projektdatei", "… und %n weitere.", nullptr, weitere);
    return text;
}

bool LeseProjekt(TKDateiTransfer& s, TKModell& modell) {
    s.ReadString("Programm", "Name");
    if (s.ReadString("Programm", "Version") != DateiVersion) {
        modell.GetUmgebung().Meldung(
            modell.GetUmgebung().translate("Projektdatei", MeldungKeineProjektdatei));
        return false;
    }
    Umgebung& umgebung = modell.GetUmgebung();
    try {
        TKModell neu(umgebung);
        ProjektLeser leser(s);
        ProjektFelder(leser, neu);
        leser.Abschliessen();
        std::vector<Lesebefund> befunde = leser.Befunde();
        ErgebnisseVerwerfen(neu, befunde);
        modell = std::move(neu);
        if (const std::string text = Befundtext(befunde, modell); !text.empty()) umgebung.Meldung(text);
        return true;
    } catch (const ProjektLeser::ZuVielePositionen& e) {
        umgebung.Meldung(umgebung.translate("Projektdatei", e.what()));
        return false;
    } catch (const ProjektLeser::KeinePositionsanzahl& e) {
        umgebung.Meldung(Einsetzen(umgebung.translate("Projektdatei", e.what()), {e.text}));
        return false;
    } catch (const std::exception&) {
        return false;
    }
}
