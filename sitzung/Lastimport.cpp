#include "sitzung/Lastimport.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "datei/DateiLesen.h"
#include "datei/Dateifehler.h"
#include "model/Uebersetzung.h"
#include "model/Umgebung.h"
#include "model/Zahlentext.h"

namespace {

constexpr const char* Kontext = "Lastimport";

std::string_view Getrimmt(std::string_view text) {
    const auto leer = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && leer(text.front())) text.remove_prefix(1);
    while (!text.empty() && leer(text.back())) text.remove_suffix(1);
    return text;
}

std::vector<std::string_view> Zeilen(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    std::vector<std::string_view> zeilen;
    while (!text.empty()) {
        const std::size_t ende = std::min(text.find('\n'), text.size());
        zeilen.push_back(text.substr(0, ende));
        text.remove_prefix(std::min(ende + 1, text.size()));
    }
    return zeilen;
}

bool HatZeichen(std::string_view text, std::string_view zeichen) {
    return text.find_first_of(zeichen) != std::string_view::npos;
}

// Fields split at any of `trenner`; with `zusammen`, runs of them count as one.
std::vector<std::string_view> Teilen(std::string_view zeile, std::string_view trenner, bool zusammen) {
    std::vector<std::string_view> felder;
    for (;;) {
        const std::size_t ende = std::min(zeile.find_first_of(trenner), zeile.size());
        if (!zusammen || ende > 0) felder.push_back(Getrimmt(zeile.substr(0, ende)));
        if (ende == zeile.size()) break;
        zeile.remove_prefix(ende + 1);
    }
    // Spreadsheets end lines with a separator after the last filled column.
    while (!felder.empty() && felder.back().empty()) felder.pop_back();
    return felder;
}

std::vector<std::string_view> Spalten(std::string_view zeile, bool kommaTrennt) {
    zeile = Getrimmt(zeile);
    if (HatZeichen(zeile, "\t;")) return Teilen(zeile, "\t;", false);
    if (kommaTrennt && HatZeichen(zeile, ",")) return Teilen(zeile, ",", false);
    return Teilen(zeile, " ", true);
}

// A table whose lines read "0.5,80" separates its columns by commas: its decimals are points.
bool KommaTrennt(const std::vector<std::string_view>& zeilen) {
    return std::any_of(zeilen.begin(), zeilen.end(), [](std::string_view z) {
        return !HatZeichen(z, "\t;") && HatZeichen(z, ",") && HatZeichen(z, ".");
    });
}

std::optional<double> Zahl(std::string_view feld) {
    const std::optional<double> wert = LeseFloat(feld);
    return wert && std::isfinite(*wert) ? wert : std::nullopt;
}

bool Kopfzeile(const std::vector<std::string_view>& felder) {
    return std::none_of(felder.begin(), felder.end(), [](std::string_view f) { return Zahl(f).has_value(); });
}

class Leser {
public:
    Leser(double fugenlaenge, const Umgebung& umgebung) : fugenlaenge_(fugenlaenge), umgebung_(umgebung) {}

    Lastimport Lesen(std::string_view text) {
        const std::vector<std::string_view> zeilen = Zeilen(text);
        const bool kommaTrennt = KommaTrennt(zeilen);
        bool erste = true;
        for (std::size_t i = 0; i < zeilen.size() && ergebnis_; ++i) {
            if (Getrimmt(zeilen[i]).empty()) continue;
            const std::vector<std::string_view> felder = Spalten(zeilen[i], kommaTrennt);
            if (std::exchange(erste, false) && Kopfzeile(felder)) continue;
            Paar(static_cast<int>(i) + 1, zeilen[i], felder);
        }
        if (ergebnis_ && ergebnis_.punkte.empty())
            Ablehnen(Feldpruefung::KeineZahl,
                     Text(QT_TRANSLATE_NOOP("Lastimport", "Die Tabelle enthält keine Wertepaare.")));
        return std::move(ergebnis_);
    }

private:
    std::string Text(const char* text) const { return umgebung_.translate(Kontext, text); }

    void Ablehnen(Feldpruefung pruefung, const std::string& grund) {
        ergebnis_.pruefung = pruefung;
        ergebnis_.fehler =
            grund + "\n" + Text(QT_TRANSLATE_NOOP("Lastimport", "Es wurde nichts übernommen."));
        ergebnis_.punkte.clear();
    }

    void Paar(int zeile, std::string_view text, const std::vector<std::string_view>& felder) {
        const std::string nummer = std::to_string(zeile);
        const std::optional<double> x = felder.size() == 2 ? Zahl(felder[0]) : std::nullopt;
        const std::optional<double> q = felder.size() == 2 ? Zahl(felder[1]) : std::nullopt;
        if (!x || !q) {
            Ablehnen(Feldpruefung::KeineZahl,
                     Einsetzen(Text(QT_TRANSLATE_NOOP(
                                   "Lastimport",
                                   "Zeile %1 enthält nicht zwei Zahlen (x in m und q in kN/m): \"%2\"")),
                               {nummer, std::string(Getrimmt(text))}));
            return;
        }
        const Lastpaargrenze gx = XGrenze(fugenlaenge_);
        if (const Feldpruefung p = BereichPruefen(*x, gx.bereich, gx.minimum, gx.maximum);
            p != Feldpruefung::Gueltig) {
            Ablehnen(
                p, Einsetzen(
                       Text(QT_TRANSLATE_NOOP("Lastimport",
                                              "Zeile %1: x = %2 m liegt nicht in der Fuge (0 bis %3 m).")),
                       {nummer, std::string(felder[0]), FloatText(gx.maximum, umgebung_.Dezimaltrenner())}));
            return;
        }
        const Lastpaargrenze gq = QGrenze();
        if (const Feldpruefung p = BereichPruefen(*q, gq.bereich, gq.minimum, gq.maximum);
            p != Feldpruefung::Gueltig) {
            Ablehnen(p, Einsetzen(
                            Text(QT_TRANSLATE_NOOP("Lastimport", "Zeile %1: q = %2 kN/m ist kleiner als 0.")),
                            {nummer, std::string(felder[1])}));
            return;
        }
        if (ergebnis_.punkte.size() == MaxLastpaare) {
            Ablehnen(
                Feldpruefung::ZuGross,
                Einsetzen(Text(QT_TRANSLATE_NOOP("Lastimport", "Die Tabelle hat mehr als %1 Wertepaare.")),
                          {std::to_string(MaxLastpaare)}));
            return;
        }
        ergebnis_.punkte.push_back({*x * 1000, *q});
    }

    double fugenlaenge_;  // in mm
    const Umgebung& umgebung_;
    Lastimport ergebnis_;
};

}  // namespace

Lastpaargrenze XGrenze(double fugenlaenge) {
    return {2, 0, fugenlaenge / 1000};
}

Lastpaargrenze QGrenze() {
    return {-1, 0, 0};
}

Lastimport LasttabelleLesen(std::string_view text, double fugenlaenge, const Umgebung& umgebung) {
    return Leser(fugenlaenge, umgebung).Lesen(text);
}

Lastimport LastdateiLesen(const std::string& pfad, double fugenlaenge, const Umgebung& umgebung) {
    try {
        return LasttabelleLesen(DateiLesen(pfad, MaxLastdatei), fugenlaenge, umgebung);
    } catch (const std::exception& fehler) {
        Lastimport ergebnis;
        ergebnis.pruefung = Feldpruefung::KeineZahl;
        ergebnis.fehler = Einsetzen(
            umgebung.translate(Kontext, QT_TRANSLATE_NOOP("Lastimport", "%1 kann nicht gelesen werden: %2")),
            {pfad, umgebung.translate("Dateifehler", Fehlergrund(fehler).c_str())});
        return ergebnis;
    }
}
