#pragma once

#include "model/Katalog.h"
#include "model/TKAnwendung.h"
#include "model/TKDornDaten.h"
#include "model/TKDornErgebnis.h"
#include "model/TKErgebnisse.h"
#include "model/TKGeometrie.h"
#include "model/TKModell.h"
#include "model/TKProjektdaten.h"
#include "model/TKStueckliste.h"

#include <string>

// The key blocks of the project file in the order in which they are written. The writer and the reader
// walk the same lists (the writer with const objects), so every key name and its place exist once. A
// visitor offers Text, Zahl, Enum, Float and Flag for single fields (object, getter, setter) and a few
// operations for the lists. A Vermerk is a flag whose key is written only when it is set, so projects that
// never set it keep their form.

template <class V, class P>
void ProjektdatenFelder(V& v, P& p) {
    using T = TKProjektdaten;
    v.Text("TBauvorhaben", p, &T::GetBauvorhaben, &T::SetBauvorhaben);
    v.Text("TBearbeiter", p, &T::GetBearbeiter, &T::SetBearbeiter);
    v.Text("TDatum", p, &T::GetDatum, &T::SetDatum);
    v.Text("TProjektNr", p, &T::GetProjektNr, &T::SetProjektNr);
    v.Textliste("TFirmaZeilen", "TFirma", p, &T::GetFirma, &T::SetFirma);
}

template <class V, class S>
void StuecklisteFelder(V& v, S& s) {
    using T = TKStueckliste;
    v.Textliste("TBemerkungZeilen", "TBemerkung", s, &T::GetBemerkung, &T::SetBemerkung);
    v.Eintraege(s);
}

template <class V, class G>
void GeometrieFelder(V& v, G& g) {
    using T = TKGeometrie;
    v.Enum("TFugenbreite", g, &T::GetFugenbreite, &T::SetFugenbreite);
    v.Float("TFugenlaenge", g, &T::GetFugenlaenge, &T::SetFugenlaenge);
    // Bottom and top adjust the front cover; the stored front cover comes after them and wins.
    v.Float("TBetondeckungUnten", g, &T::GetBetondeckungUnten, &T::SetBetondeckungUnten);
    v.Float("TBetondeckungOben", g, &T::GetBetondeckungOben, &T::SetBetondeckungOben);
    v.Float("TBetondeckungVorn", g, &T::GetBetondeckungVorn, &T::SetBetondeckungVorn);
    v.Float("TPlatteDicke", g, &T::GetPlatteDicke, &T::SetPlatteDicke);
    v.Float("TWandDicke", g, &T::GetWandDicke, &T::SetWandDicke);
    v.Flag("TRandLinks", g, &T::GetRandLinks, &T::SetRandLinks);
    v.Flag("TRandRechts", g, &T::GetRandRechts, &T::SetRandRechts);
    v.Float("TBauteilRandLinks", g, &T::GetBauteilRandLinks, &T::SetBauteilRandLinks);
    v.Float("TBauteilRandRechts", g, &T::GetBauteilRandRechts, &T::SetBauteilRandRechts);
    v.Float("TDornPaarAbstand", g, &T::GetDornPaarAbstand, &T::SetDornPaarAbstand);
    v.Flag("TDornPaarAbstandCalc", g, &T::GetDornPaarAbstandCalc, &T::SetDornPaarAbstandCalc);
    v.Float("TkonstDornAbstand", g, &T::GetkonstDornAbstand, &T::SetkonstDornAbstand);
    v.Flag("TDornAbstandCalc", g, &T::GetDornAbstandCalc, &T::SetDornAbstandCalc);
}

template <class V, class A>
void PositionFelder(V& v, A& a) {
    using T = TKAnwendung;
    v.Text("TPosition", a, &T::GetPosition, &T::SetPosition);
    v.Enum("Land", a, &T::GetAktLand, &T::SetAktLand);
    v.Enum("TAnwendungsfall", a, &T::GetAnwendungsfall, &T::SetAnwendungsfall, TsAnwendungsfall::afEinzel);
    v.Enum("TBewehrungCalc", a, &T::GetBewehrungCalc, &T::SetBewehrungCalc);
    v.Enum("TMaxDornabstand", a, &T::GetMaxDornabstand, &T::SetMaxDornabstand);
    v.Enum("TBetonguete", a, &T::GetBetonguete, &T::SetBetonguete);
    v.Enum("TFeuerwiderstand", a, &T::GetFeuerwiderstand, &T::SetFeuerwiderstand);
}

template <class V, class R>
void ErgebnisFelder(V& v, R& r) {
    using T = TKErgebnisse;
    v.Enum("TAktDorn", r, &T::GetAktDorn, &T::SetAktDorn, TsDorn::ZAVR20HF);
    v.Flag("TBerechnet", r, &T::GetBerechnet, &T::SetBerechnet);
    // The counts are keyed by the types' file numbers (model/Katalog.h), like the sections below.
    const int nummern = Katalog().NaechsteDateinummer();
    const int anzahl = v.Anzahl("AnzTAnzDorn", nummern, nummern);
    v.Enum("TErgebnisAnzeige", r, &T::GetErgebnisAnzeige, &T::SetErgebnisAnzeige);
    v.AnzDorn(r, anzahl);
}

template <class V, class D>
void DornDatenFelder(V& v, D& d) {
    using T = TKDornDaten;
    v.Enum("TDorn", d, &T::GetDorn, &T::SetDornTyp);
    v.Float("TMinBauteildicke", d, &T::GetMinBauteildicke, &T::SetMinBauteildicke);
    v.Float("TEinflussBereich", d, &T::GetEinflussBereich, &T::SetEinflussBereich);
    v.Float("TBereichPosA", d, &T::GetBereichPosA, &T::SetBereichPosA);
    v.Float("TEinflussPosB", d, &T::GetEinflussPosB, &T::SetEinflussPosB);
    v.Zahl("TPosAd", d, &T::GetPosAd, &T::SetPosAd);
    v.Zahl("TPosB2d", d, &T::GetPosB2d, &T::SetPosB2d);
    v.Zahl("TPosB1d", d, &T::GetPosB1d, &T::SetPosB1d);
    v.Zahl("TPosCd", d, &T::GetPosCd, &T::SetPosCd);
    v.Zahl("TPosDd", d, &T::GetPosDd, &T::SetPosDd);
    v.Zahl("TAnzPosA", d, &T::GetAnzPosA, &T::SetAnzPosA);
    v.Zahl("TAnzPosB2", d, &T::GetAnzPosB2, &T::SetAnzPosB2);
    v.Zahl("TAnzPosB1", d, &T::GetAnzPosB1, &T::SetAnzPosB1);
    v.Zahl("TAnzPosC", d, &T::GetAnzPosC, &T::SetAnzPosC);
    v.Zahl("TAnzPosD", d, &T::GetAnzPosD, &T::SetAnzPosD);
    v.FloatListe("TDistPosA", d, &T::GetDistPosA, &T::SetDistPosA);
    v.FloatListe("TDistPosB2", d, &T::GetDistPosB2, &T::SetDistPosB2);
    v.FloatListe("TDistPosB1", d, &T::GetDistPosB1, &T::SetDistPosB1);
    v.FloatListe("TDistPosD", d, &T::GetDistPosD, &T::SetDistPosD);
    v.Float("TDistPosB1Rand", d, &T::GetDistPosB1Rand, &T::SetDistPosB1Rand);
    v.Float("TDistPosCRand", d, &T::GetDistPosCRand, &T::SetDistPosCRand);
    v.Float("TDornBreite", d, &T::GetDornBreite, &T::SetDornBreite);
    v.Float("TDornHoehe", d, &T::GetDornHoehe, &T::SetDornHoehe);
    v.Float("TDornDurchmesser", d, &T::GetDornDurchmesser, &T::SetDornDurchmesser);
    v.Float("TDornAbstand", d, &T::GetDornAbstand, &T::SetDornAbstand);
    v.Float("TDornLaenge", d, &T::GetDornLaenge, &T::SetDornLaenge);
    v.Float("TDornRERohrb", d, &T::GetDornRERohrb, &T::SetDornRERohrb);
    v.Float("TDornRERohrh", d, &T::GetDornRERohrh, &T::SetDornRERohrh);
    v.Float("TDornStab1l", d, &T::GetDornStab1l, &T::SetDornStab1l);
    v.Float("TDornStab2l", d, &T::GetDornStab2l, &T::SetDornStab2l);
    v.Float("TDornStab1d", d, &T::GetDornStab1d, &T::SetDornStab1d);
    v.Float("TDornStab2d", d, &T::GetDornStab2d, &T::SetDornStab2d);
    v.Float("TDornStab1a", d, &T::GetDornStab1a, &T::SetDornStab1a);
    v.Float("TDornStab2a", d, &T::GetDornStab2a, &T::SetDornStab2a);
    v.Float("TDornPlattel", d, &T::GetDornPlattel, &T::SetDornPlattel);
    v.Float("TBetDeckungOben", d, &T::GetBetDeckungOben, &T::SetBetDeckungOben);
    v.Float("TBetDeckungUnten", d, &T::GetBetDeckungUnten, &T::SetBetDeckungUnten);
    v.Float("TMinRandSeite", d, &T::GetMinRandSeite, &T::SetMinRandSeite);
    v.Float("TMinRandSeiteL", d, &T::GetMinRandSeiteL, &T::SetMinRandSeiteL);
    v.Float("TMinAchsabstand", d, &T::GetMinAchsabstand, &T::SetMinAchsabstand);
    v.VRds(d);
}

template <class V, class E>
void DornErgebnisFelder(V& v, E& e) {
    using T = TKDornErgebnis;
    v.Enum("TDornAnordnung", e, &T::GetDornAnordnung, &T::SetDornAnordnung);
    v.DornAbstaende(e);
    v.Float("TDornPaarAbstand", e, &T::GetDornPaarAbstand, &T::SetDornPaarAbstand);
    v.Float("TNutzhoehe", e, &T::GetNutzhoehe, &T::SetNutzhoehe);
    v.Float("TAbstandLinks", e, &T::GetAbstandLinks, &T::SetAbstandLinks);
    v.Float("TAbstandRechts", e, &T::GetAbstandRechts, &T::SetAbstandRechts);
    v.Float("TKritAchs", e, &T::GetKritAchs, &T::SetKritAchs);
    v.Float("TIstMinAchs", e, &T::GetIstMinAchs, &T::SetIstMinAchs);
    v.Float("TZulMinAchs", e, &T::GetZulMinAchs, &T::SetZulMinAchs);
    v.Float("TZulMinRand", e, &T::GetZulMinRand, &T::SetZulMinRand);
    v.Float("TTypAchs", e, &T::GetTypAchs, &T::SetTypAchs);
    v.Float("TTypRand", e, &T::GetTypRand, &T::SetTypRand);
    // The three resistances recompute the admissible one; the stored value comes after them and wins.
    v.Float("TVRds", e, &T::GetVRds, &T::SetVRds);
    v.Float("TVRdce", e, &T::GetVRdce, &T::SetVRdce);
    v.Float("TVRdct", e, &T::GetVRdct, &T::SetVRDct);
    v.Float("TVRdZul", e, &T::GetVRdZul, &T::SetVRdZul);
    v.Float("TVRdIst", e, &T::GetVRdIst, &T::SetVRdIst);
    v.Float("TEtaQ", e, &T::GetEtaQ, &T::SetEtaQ);
    v.Float("TAsx", e, &T::GetAsx, &T::SetAsx);
    v.Float("TAsy", e, &T::GetAsy, &T::SetAsy);
    v.Float("TRhol", e, &T::GetRhol, &T::SetRhol);
    v.Float("Tbx", e, &T::Getbx, &T::Setbx);
    v.Float("Tby", e, &T::Getby, &T::Setby);
    v.Float("TbySoll", e, &T::GetbySoll, &T::SetbySoll);
    v.Float("Tui", e, &T::Getui, &T::Setui);
    v.Zahl("TStatus", e, &T::GetStatus, &T::SetStatus);
    v.Flag("TAbstandMeldung", e, &T::GetAbstandMeldung, &T::SetAbstandMeldung);
    v.Vermerk("TBewehrungManuell", e, &T::GetBewehrungManuell, &T::SetBewehrungManuell);
}

// Per position, sections 6a to 6g. The loads have their own visitor operation because reading them needs
// an order of its own (see the reader).
template <class V, class A>
void AnwendungFelder(V& v, A& a, int p) {
    const std::string nr = std::to_string(p);
    v.Position(p);
    v.Abschnitt("Position_" + nr);
    PositionFelder(v, a);
    v.Abschnitt("BelastungDesign_" + nr);
    v.Belastung(a.cBelastungDesign);
    v.Abschnitt("BelastungCharg_" + nr);
    v.Belastung(a.cBelastungCharg);
    v.Abschnitt("BelastungCharq_" + nr);
    v.Belastung(a.cBelastungCharq);
    v.Abschnitt("Geometrie_" + nr);
    GeometrieFelder(v, a.cGeometrie);
    v.Ergebnisse();
    v.Abschnitt("Ergebnisse_" + nr);
    ErgebnisFelder(v, a.cErgebnisse);
    v.Abschnitt("ErgGeometrie_" + nr);
    GeometrieFelder(v, a.cErgebnisse.cGeometrie);
    // A type's sections carry its file number, which stays the same whatever the catalogue's order.
    for (const TsDorn dorn : Katalog().Typen()) {
        v.Abschnitt("DornDaten_" + nr + "_" + std::to_string(Dateinummer(dorn)));
        DornDatenFelder(v, a.cErgebnisse.cDornDaten[Ord(dorn)]);
    }
    for (const TsDorn dorn : Katalog().Typen()) {
        const std::string suffix = nr + "_" + std::to_string(Dateinummer(dorn));
        auto& ergebnis = a.cErgebnisse.cDornErgebnis[Ord(dorn)];
        v.Abschnitt("DornErgebnis_" + suffix);
        DornErgebnisFelder(v, ergebnis);
        v.Abschnitt("DornErgebnisFehler_" + suffix);
        v.Meldungen(ergebnis.cFehler);
        v.Abschnitt("DornErgebnisWarnungen_" + suffix);
        v.Meldungen(ergebnis.cWarnungen);
    }
}

template <class V, class M>
void HauptMaskeFelder(V& v, M& m) {
    using T = TKModell;
    v.Flag("TCalcFlag", m, &T::GetCalcFlag, &T::SetCalcFlag);
    v.Positionen(m);
    v.Enum("TEingabeDorn", m, &T::GetEingabeDorn, &T::SetEingabeDorn);
    v.Enum("TEingabeFugenbreite", m, &T::GetEingabeFugenbreite, &T::SetEingabeFugenbreite);
    v.Enum("TSkizzeAnzeige", m, &T::GetSkizzeAnzeige, &T::SetSkizzeAnzeige);
}

// Everything after the header lines Programm.Name and Programm.Version.
template <class V, class M>
void ProjektFelder(V& v, M& m) {
    v.Abschnitt("HauptMaske");
    HauptMaskeFelder(v, m);
    v.Abschnitt("ProjektDaten");
    ProjektdatenFelder(v, m.cProjektdaten);
    v.Abschnitt("Stueckliste");
    StuecklisteFelder(v, m.cStueckliste);
    v.Abschnitt("EingabeGeometrie");
    GeometrieFelder(v, m.cEingabeGeometrie);
    for (int p = 1; p <= m.GetAnzAnwendung(); ++p) AnwendungFelder(v, m.cAnwendung[p - 1], p);
}
