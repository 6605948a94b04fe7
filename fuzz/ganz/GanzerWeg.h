#pragma once

// What must hold for any bytes opened as a project, all the way to the outputs: the file is read as the
// program opens it, every position without results is designed, and then every output is made in memory:
// the reinforcement drawing and the dowel drawing of the selected type, every sketch view, every page of the
// proof and both documents of the bill of quantities. The fuzz target checks it for every input (libFuzzer's
// -timeout and -rss_limit_mb bound each one), the replay test for the seeds and the inputs a fault was found
// with. Needs a QGuiApplication (fonts).

#include <unistd.h>
#include <QImage>
#include <QPainter>
#include <fstream>
#include <string>
#include <system_error>

#include "dxf/DXF_Object.h"
#include "dxf/zeichnung/Dornzeichnung.h"
#include "files/Bedarfstext.h"
#include "files/ProjektTexte.h"
#include "files/TKDateiTransfer.h"
#include "model/Ergebnisgrenzen.h"
#include "model/Umgebung.h"
#include "output/Bedarfsseiten.h"
#include "output/Berechnungsnachweis.h"
#include "output/Nachweisausgabe.h"
#include "output/Seitenlayout.h"
#include "output/Skizzenbild.h"
#include "output/Skizzenzeichner.h"
#include "output/TKFarbe.h"
#include "sitzung/Projektsitzung.h"

namespace ganzerweg {

// Designing and drawing thousands of default positions for every input would slow the fuzzer to a crawl:
// an input declaring more than this is passed over (reading many positions is the project reader's target).
constexpr int HoechstensPositionen = 2;
// Pictures and pages small enough to be cheap, large enough that every primitive is reached.
constexpr int Skizzengroesse = 160;
constexpr double Seitenaufloesung = 12;

inline std::string Datei() {
    return "/dev/shm/zavr_ganzer_weg_" + std::to_string(::getpid()) + ".ZAV";
}

inline void Skizzen(const Projektsitzung& s, const TKAnwendung& a) {
    const TKFarbe farbe;
    QImage bild(Skizzengroesse, Skizzengroesse, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter canvas(&bild);
    Skizzenzeichner zeichner(canvas, farbe);
    const bool berechnet = a.cErgebnisse.GetBerechnet();
    for (TsSkizzeTyp typ : {TsSkizzeTyp::stAnsicht, TsSkizzeTyp::stDraufsicht, TsSkizzeTyp::stSchnitt,
                            TsSkizzeTyp::stDornReihe, TsSkizzeTyp::stEingabe})
        if (berechnet || typ == TsSkizzeTyp::stEingabe)
            SkizzeZeichnen(zeichner, typ, {0, 0, Skizzengroesse, Skizzengroesse}, s.Modell(), a);
}

inline std::string Ausgaben(Projektsitzung& s, int nummer) {
    const TKAnwendung& a = s.Position(nummer);
    Skizzen(s, a);
    if (!a.cErgebnisse.GetBerechnet()) return {};
    if (const auto grenze = ErsteGrenzverletzung(a.cErgebnisse))
        return "results beyond their bounds after opening: " + grenze->schluessel;
    const TsDorn dorn = a.cErgebnisse.GetAktDorn();
    DXF_Object bewehrung;
    s.BewehrungZeichnen(nummer, dorn, bewehrung);
    DornZeichnung(dorn, s.GetUmgebung());
    const TKFarbe farbe;
    NachweisVorschau(Berechnungsnachweis(s.Modell(), a, farbe), StandardSeite(), Seitenaufloesung);
    return {};
}

}  // namespace ganzerweg

// Empty when every output was made and every property holds, otherwise which one failed.
inline std::string PruefeGanzenWeg(const std::string& bytes) {
    using namespace ganzerweg;
    try {
        TKDateiTransfer probe;
        probe.SetDateiInhalt(bytes);
        if (probe.ReadInteger("HauptMaske", "TAnzAnwendung", 1) > HoechstensPositionen) return {};
    } catch (const std::system_error&) {
        return {};  // larger than a file may be: refused before reading
    }
    const std::string datei = Datei();
    {
        std::ofstream f(datei, std::ios::binary | std::ios::trunc);
        f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    StandardUmgebung umgebung;
    umgebung.heute = "09.12.2026";
    Projektsitzung s(umgebung);
    const bool geoeffnet = static_cast<bool>(s.Oeffnen(datei));
    ::unlink(datei.c_str());
    if (!geoeffnet) return {};

    const std::vector<Berechnung> berechnungen = s.AlleBemessen();
    for (int nummer = 1; nummer <= s.Modell().GetAnzAnwendung(); ++nummer)
        if (std::string fehler = Ausgaben(s, nummer); !fehler.empty()) return fehler;
    s.AllePositionenAufnehmen(berechnungen);
    for (Bedarfsdokument art : {Bedarfsdokument::Stueckliste, Bedarfsdokument::Ausschreibungstext}) {
        BedarfslisteText(s.Modell(), art);
        BedarfslisteVorschau(s.Modell(), art, StandardSeite(), Seitenaufloesung);
    }
    return {};
}
