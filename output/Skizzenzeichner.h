#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <vector>

#include "model/Typen.h"
#include "output/TKFarbe.h"
#include "output/TrDaten.h"

class QPainter;
class TKAnwendung;
class TKBelastung;
class TKModell;
struct Skizzenquelle;

// Draws the engineering sketches of a position onto one canvas: each entry point fills its rectangle with
// the background, scales the position's data to fit and draws its view. The drawing state (TrDaten, the
// text height and the line width) lives in this object, so screen, zoom window, pictures and report pages
// each draw with their own.
class Skizzenzeichner {
public:
    Skizzenzeichner(QPainter& canvas, const TKFarbe& farbe, char dezimaltrenner = ',');
    // The colour scheme is read while drawing, so it has to outlive the object.
    Skizzenzeichner(QPainter& canvas, const TKFarbe&& farbe, char dezimaltrenner = ',') = delete;

    // Pen width of dimensions and arrows: 1 on screen, 2 on printer pages.
    int GetLinienbreite() const { return Linienbreite; }
    void SetLinienbreite(int breite) { Linienbreite = breite; }
    int GetTexthoehe() const { return Texthoehe; }
    double GetMassstab() const { return Massstab; }
    const TrDaten& GetDaten() const { return Daten; }

    void SkizzeAnsicht(const TrRechteck& rechteck, const TKAnwendung& anwendung);
    void SkizzeDraufsicht(const TrRechteck& rechteck, const TKAnwendung& anwendung);
    void SkizzeSchnitt(const TrRechteck& rechteck, const TKAnwendung& anwendung);
    void SkizzeDornReihe(const TrRechteck& rechteck, const TKAnwendung& anwendung, bool mitLast);
    void SkizzeLastverlauf(const TrRechteck& rechteck, const TKAnwendung& anwendung);
    // The same with a load being edited in place of the position's design load.
    void SkizzeLastverlauf(const TrRechteck& rechteck, const TKAnwendung& anwendung, const TKBelastung& last);
    void SkizzeEingabe(const TrRechteck& rechteck, TsAnwendungsfall fall, TsBelastungsfall last,
                       const TKModell& modell, const TKAnwendung& anwendung);
    // Its two halves on their own and without the background, for the report pages: the section through
    // the joint, and the joint face with schematic dowels and the load.
    void SkizzeEingabeOben(const TrRechteck& rechteck, TsAnwendungsfall fall, TsBelastungsfall last,
                           const TKModell& modell, const TKAnwendung& anwendung);
    void SkizzeEingabeUnten(const TrRechteck& rechteck, TsAnwendungsfall fall, TsBelastungsfall last,
                            const TKModell& modell, const TKAnwendung& anwendung);

    // Scale kind 0 Ansicht, 1 Draufsicht, 2 Schnitt, 3 DornReihe, 4 Eingabe: measures the text height,
    // computes scale and origin for the rectangle and fills TrDaten. False when the scale is zero or not
    // finite; then nothing but the background may be drawn.
    bool SkizzenDatenSetzen(int art, const TrRechteck& rechteck, const Skizzenquelle& quelle);

    static constexpr int MaxStaebe = 1000;  // bar counts beyond this are drawn as this many
    static constexpr int PlattenTiefe = 4;  // depth of the dowel's front plate: four pen widths

    // Running sums of scaled spacings: entry k is the sum of the first k + 1 spacings.
    static std::vector<int> Laufsummen(const std::vector<int>& abstaende);
    // Entry i of a spacing list of the dowel record, 0 outside the list.
    static double Eintrag(const std::vector<double>& werte, int i);

private:
    enum class Kante { Dick, Geschnitten, Verkuerzt };

    double Skalierung(int art, const TrRechteck& rechteck, const Skizzenquelle& quelle) const;
    void NullPunktSetzen(int art, const TrRechteck& rechteck, const Skizzenquelle& quelle);
    int Verankerungslaenge();
    int SchnittReichweite(const Skizzenquelle& quelle);
    void SchnittEinpassen(const TrRechteck& rechteck, const Skizzenquelle& quelle);
    void DatenFuellen(int art, const Skizzenquelle& quelle);
    int Skaliert(double laenge) const;

    // Styles and small parts shared by the views.
    void Hintergrund(const TrRechteck& rechteck);
    void Betonflaeche(const QRect& flaeche);
    void Betonkante(QPoint von, QPoint bis, Kante art);
    void Bewehrungsstil(TKFarbe::Element position);
    void Dornstil();
    void Bemassungsstil();
    void Stabstift(TKFarbe::Element position, int breite);
    QString Cm(double millimeter) const;
    void Mass(QPoint von, QPoint bis, QPoint versatz, const QString& haupt, const QString& index = {},
              bool vertikal = false);
    void Kette(const std::vector<int>& xWerte, int y, const std::vector<QString>& texte);
    void SenkrechteKette(int x, const std::vector<int>& yWerte, const std::vector<QString>& texte);
    void Hinweis(const std::vector<QPoint>& punkte, const QString& haupt, int durchmesser);
    void Pfeil(QPoint fuss, QPoint spitze, const QString& haupt = {}, const QString& index = {},
               bool vertikal = true);
    void Verankerungspfeil(int x, int y);
    void Titel(const QString& text, int x, int y);
    int Oben() const { return Daten.NullPunkt.y() - Daten.Bauteildicke / 2; }
    int Unten() const { return Daten.NullPunkt.y() + Daten.Bauteildicke / 2; }
    int SummeDistPosB1(int lage) const;
    void Schleife(int links, int oben, int rechts, int unten, int radius);
    int Hinweisbreite(const QString& haupt, int durchmesser);
    // A bar mark in the language of the run: "Pos. " followed by `rest` ("Asx1 (4").
    static QString Marke(const QString& rest);
    // "Pos. 1 (4 Bügel ", the noun in the plural form of the count.
    static QString Buegelmarke(int anzahl);

    // Parts of the views.
    void DornVorne(int x, int y, bool rohreImmer);
    void AnsichtBewehrung();
    void AnsichtPosD();
    void AnsichtBemassung(const Skizzenquelle& quelle);
    void DraufsichtDorn();
    void DraufsichtPosD(bool ungerade);
    void DraufsichtBewehrung();
    void DraufsichtBemassung(const Skizzenquelle& quelle);
    int AnzahlB2Baender() const;
    int SchnittEnde() const;
    int LagenHoehe(int lage, bool oben, int durchmesser) const;
    void SchnittBauteil();
    void SchnittPosD();
    void SchnittPosB();
    void SchnittDornStaebe(int vonX, int bisX, int hoehe);
    void SchnittDornKoerper();
    void SchnittBemassung(const Skizzenquelle& quelle);
    void DornReiheBand(const Skizzenquelle& quelle, bool mitLast);
    void Lastbild(const TrRechteck& bereich, const Skizzenquelle& quelle);
    void Linienlastbild(const TrRechteck& bereich, const TKBelastung& last);
    void BeliebigesLastbild(const TrRechteck& bereich, const TKBelastung& last);
    void Lastpfeile(int x1, int y1, int x2, int y2, int unten);
    void EingabeOben(const TrRechteck& haelfte, TsAnwendungsfall fall, TsBelastungsfall last,
                     const Skizzenquelle& quelle);
    void EingabeWand();
    void EingabeHuelse();
    // `oben` is the top of the sketch, which the load arrow must not cross.
    void EingabeObenBemassung(TsAnwendungsfall fall, TsBelastungsfall last, int fugeLinks, int fugeRechts,
                              int endeRechts, int oben);
    int WandEnde() const;
    void EingabeUnten(const TrRechteck& haelfte, TsAnwendungsfall fall, TsBelastungsfall last,
                      const Skizzenquelle& quelle);
    void EingabeLast(const TrRechteck& haelfte, TsAnwendungsfall fall, TsBelastungsfall last,
                     const std::vector<int>& dorne, const Skizzenquelle& quelle);

    QPainter& canvas;
    const TKFarbe& farbe;
    char dezimaltrenner;
    TrDaten Daten;
    int Texthoehe = 0;
    int Linienbreite = 1;
    int Richtung = 1;     // -1 for a rectangle given with left and right swapped
    int rechterRand = 0;  // of the sketch being drawn, which its title must not cross
    double Massstab = 0;
};
