#pragma once

#include <QImage>

#include "Sitzungszugang.h"
#include "calc/TKZAVRBemessung.h"
#include "model/TKAnwendung.h"
#include "model/TKModell.h"
#include "model/Umgebung.h"
#include "output/TKFarbe.h"
#include "sitzung/Projektsitzung.h"

// A designed row of dowels in a session, and a colour scheme, as the main window hands them to its sketch
// area.
struct SkizzenTestprojekt {
    StandardUmgebung umgebung;
    Projektsitzung sitzung{umgebung};
    TKModell& modell = Sitzungszugang::Modell(sitzung);
    TKAnwendung& arbeitskopie = Sitzungszugang::Arbeitskopie(sitzung);
    TKFarbe farbe;

    SkizzenTestprojekt() {
        arbeitskopie.cBelastungDesign.SetBelastungsfall(TsBelastungsfall::bfKonstanteLast);
        BerechneErgebnis(arbeitskopie, umgebung);
        modell.SetSkizzeAnzeige(TsSkizzeTyp::stDornReihe);
    }
};

inline int Farbzahl(const QImage& bild) {
    QList<QRgb> farben;
    for (int y = 0; y < bild.height(); y += 3)
        for (int x = 0; x < bild.width(); x += 3)
            if (!farben.contains(bild.pixel(x, y))) farben << bild.pixel(x, y);
    return static_cast<int>(farben.size());
}
