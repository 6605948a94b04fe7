#pragma once

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <functional>

#include "model/TKAnwendung.h"
#include "model/TKModell.h"
#include "model/Umgebung.h"
#include "output/Skizzenzeichner.h"
#include "output/TKFarbe.h"

// Fonts need a QGuiApplication; the tests draw on the offscreen platform.
inline void BildAnwendung() {
    static int argc = 1;
    static char name[] = "zavr_output_tests";
    static char* argv[] = {name, nullptr};
    if (QGuiApplication::instance()) return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication anwendung(argc, argv);
}

// A 96 dpi picture filled with one colour.
inline QImage Leinwand(int breite, int hoehe, QColor fuellung = Qt::white) {
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    bild.setDotsPerMeterX(3780);
    bild.setDotsPerMeterY(3780);
    bild.fill(fuellung);
    return bild;
}

// Positions with results set by hand as a design run would leave them: the selected type's influence
// widths, the dimension chain and the dowel count.
struct Testposition {
    StandardUmgebung umgebung;
    TKModell modell{umgebung};
    TKAnwendung anwendung{umgebung};

    Testposition(TsAnwendungsfall fall, TsBelastungsfall last, TsDorn dorn = TsDorn::ZAVR60HF) {
        anwendung.SetAnwendungsfall(fall);
        anwendung.cBelastungDesign.SetBelastungsfall(last);
        anwendung.cErgebnisse.ResetAktDorn(dorn);
        modell.cEingabeDornDaten.SetDorn(dorn, TsFugenbreite::fb20bis30, 240);
        TKDornErgebnis& ergebnis = Ergebnis();
        ergebnis.Setbx(1.5 * 180 + 30);
        ergebnis.Setby(3 * 180 + Dorn().GetEinflussBereich());
        ergebnis.ResetDornAbstand();
        switch (fall) {
            case TsAnwendungsfall::afEinzel:
                Kette({500, 500});
                break;
            case TsAnwendungsfall::afPaarPlatte:
            case TsAnwendungsfall::afPaarWand:
                Kette({500, 1000, 500});
                break;
            default:
                Kette({250, 500, 500, 500, 250});
                break;
        }
    }

    void Kette(std::initializer_list<double> abstaende) {
        Ergebnis().ResetDornAbstand();
        for (double a : abstaende) Ergebnis().AddDornAbstand(a, true);
        anwendung.cErgebnisse.SetAnzDorn(Akt(), static_cast<std::uint16_t>(abstaende.size() - 1));
    }
    TsDorn Akt() const { return anwendung.cErgebnisse.GetAktDorn(); }
    TKDornErgebnis& Ergebnis() { return anwendung.cErgebnisse.cDornErgebnis[Ord(Akt())]; }
    TKDornDaten& Dorn() { return anwendung.cErgebnisse.cDornDaten[Ord(Akt())]; }
};

enum class Ansicht { Ansicht, Draufsicht, Schnitt, DornReihe, Lastverlauf, Eingabe };
constexpr Ansicht AlleAnsichten[] = {Ansicht::Ansicht,   Ansicht::Draufsicht,  Ansicht::Schnitt,
                                     Ansicht::DornReihe, Ansicht::Lastverlauf, Ansicht::Eingabe};

inline void Zeichnen(Skizzenzeichner& z, Ansicht ansicht, const TrRechteck& r, const Testposition& p) {
    switch (ansicht) {
        case Ansicht::Ansicht:
            return z.SkizzeAnsicht(r, p.anwendung);
        case Ansicht::Draufsicht:
            return z.SkizzeDraufsicht(r, p.anwendung);
        case Ansicht::Schnitt:
            return z.SkizzeSchnitt(r, p.anwendung);
        case Ansicht::DornReihe:
            return z.SkizzeDornReihe(r, p.anwendung, true);
        case Ansicht::Lastverlauf:
            return z.SkizzeLastverlauf(r, p.anwendung);
        case Ansicht::Eingabe:
            return z.SkizzeEingabe(r, p.anwendung.GetAnwendungsfall(),
                                   p.anwendung.cBelastungDesign.GetBelastungsfall(), p.modell, p.anwendung);
    }
}

// Draws one view of the position onto a fresh picture; `nachher` may read the drawing state.
inline QImage Skizze(Ansicht ansicht, const Testposition& p, const TKFarbe& farbe = TKFarbe(),
                     int breite = 500, int hoehe = 500,
                     const std::function<void(const Skizzenzeichner&)>& nachher = {}) {
    BildAnwendung();
    QImage bild = Leinwand(breite, hoehe, Qt::magenta);
    QPainter canvas(&bild);
    Skizzenzeichner zeichner(canvas, farbe);
    Zeichnen(zeichner, ansicht, {0, 0, breite, hoehe}, p);
    if (nachher) nachher(zeichner);
    return bild;
}

inline bool Gleich(QRgb pixel, const QColor& farbe) {
    return (pixel & 0xFFFFFF) == (farbe.rgb() & 0xFFFFFF);
}

// Pixels of `bild` inside `bereich` for which `passt` holds.
template <typename Bedingung>
int Zaehlen(const QImage& bild, const QRect& bereich, Bedingung passt) {
    int anzahl = 0;
    for (int y = bereich.top(); y <= bereich.bottom(); ++y)
        for (int x = bereich.left(); x <= bereich.right(); ++x)
            if (passt(x, y, bild.pixel(x, y))) ++anzahl;
    return anzahl;
}

// A scheme whose colours are all different, so each element can be found in a picture.
inline TKFarbe Unterscheidbar() {
    TKFarbe farbe;
    farbe.SetWerte({0xFFFFFF, 0x000000, 0xC0C0C0, 0x800000, 0x008000, 0x000080, 0x0000FF, 0x202020, 0xFFFF00,
                    0x00FF00, 0x00FFFF});
    return farbe;
}
