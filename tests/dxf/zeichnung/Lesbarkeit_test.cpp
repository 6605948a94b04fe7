// A site foreman reads these drawings: in the reinforcement drawing of every type, at thin and thick slabs,
// in rows, pairs and single dowels as the engine designs them, no text may cover another text or the
// outline of a view (the slab's edges and break lines). Texts are measured as CAD programs draw them.

#include <gtest/gtest.h>

#include <sstream>

#include "DxfTestHilfen.h"
#include "calc/TKZAVRBemessung.h"
#include "dxf/zeichnung/Beschriftungsraum.h"
#include "dxf/zeichnung/Bewehrungsplan.h"
#include "model/Katalog.h"

namespace {

struct Text {
    std::string text;
    TrKasten kasten;
};

std::vector<Text> TexteMitKasten(const DXF_Object& doc) {
    std::vector<Text> texte;
    for (const Text_* t : Alle<Text_>(doc)) {
        if (t->textstr.empty()) continue;
        texte.push_back(
            {t->textstr, Textkasten(t->textstr, t->anchor(), t->h, t->rot_angle, t->horizontal())});
    }
    return texte;
}

// The slab's edges (blue) and its break lines (cyan).
std::vector<const Line_*> Umrisse(const DXF_Object& doc) {
    std::vector<const Line_*> umrisse;
    for (const Line_* l : Alle<Line_>(doc))
        if (l->colinx == 4 || l->colinx == 5) umrisse.push_back(l);
    return umrisse;
}

// Every clash, described for the failure message.
std::vector<std::string> Kollisionen(const DXF_Object& doc) {
    const std::vector<Text> texte = TexteMitKasten(doc);
    std::vector<std::string> kollisionen;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        for (std::size_t j = i + 1; j < texte.size(); ++j)
            if (texte[i].kasten.Ueberlappt(texte[j].kasten))
                kollisionen.push_back("\"" + texte[i].text + "\" covers \"" + texte[j].text + "\"");
        for (const Line_* l : Umrisse(doc))
            if (texte[i].kasten.Schneidet(l->p1, l->p2))
                kollisionen.push_back("\"" + texte[i].text + "\" covers an outline");
    }
    return kollisionen;
}

std::vector<TKAnwendung> Bemessen(StandardUmgebung& u) {
    std::vector<TKAnwendung> positionen;
    for (TsAnwendungsfall fall :
         {TsAnwendungsfall::afReihePlatte, TsAnwendungsfall::afPaarPlatte, TsAnwendungsfall::afEinzel}) {
        for (double h : {160.0, 200.0, 250.0, 300.0, 400.0, 500.0}) {
            TKAnwendung a(u);
            a.SetAnwendungsfall(fall);
            a.cGeometrie.SetPlatteDicke(h);
            a.cGeometrie.SetFugenlaenge(4000);
            if (fall == TsAnwendungsfall::afEinzel) {
                a.cBelastungDesign.SetBelastungsfall(TsBelastungsfall::bfPunktlast);
                a.cBelastungDesign.SetPunktLast(h / 4);
            } else {
                a.cBelastungDesign.SetLastLaenge(4000);
                a.cBelastungDesign.SetBelastungsfall(TsBelastungsfall::bfKonstanteLast);
                a.cBelastungDesign.SetLinienLastLinks(h / 5);
                a.cBelastungDesign.SetLinienLastRechts(h / 5);
            }
            BerechneErgebnis(a, u);
            positionen.push_back(a);
        }
    }
    return positionen;
}

TEST(Lesbarkeit, keinTextUeberdecktEinenAnderenOderEinenUmriss) {
    StandardUmgebung u;
    int gezeichnet = 0;
    for (const TKAnwendung& a : Bemessen(u)) {
        for (int t = 0; t < AnzahlDorne; ++t) {
            const TsDorn dorn = static_cast<TsDorn>(t);
            DXF_Object doc;
            std::string fehler;
            if (!BewehrungsZeichnung(a, dorn, u, doc, fehler)) continue;
            ++gezeichnet;
            for (const std::string& k : Kollisionen(doc))
                ADD_FAILURE() << DornName(dorn) << ", h = " << a.cGeometrie.GetPlatteDicke() << ", case "
                              << static_cast<int>(a.GetAnwendungsfall()) << ": " << k;
        }
    }
    EXPECT_GT(gezeichnet, 200);
}

// The catalogue's reinforcement of every type at the thickness classes' bounds, in a narrow and a wide
// reinforcement width.
TEST(Lesbarkeit, katalogbewehrungInAllenDickenklassen) {
    for (int t = 0; t < AnzahlDorne; ++t) {
        const TsDorn dorn = static_cast<TsDorn>(t);
        for (double h : {160.0, 180.0, 220.0, 300.0, 450.0, 700.0}) {
            for (double by : {300.0, 1200.0}) {
                DXF_Object doc;
                std::string fehler;
                StandardUmgebung u;
                if (!BewehrungsZeichnung(HandPosition(dorn, h, by), dorn, u, doc, fehler)) continue;
                for (const std::string& k : Kollisionen(doc))
                    ADD_FAILURE() << DornName(dorn) << ", h = " << h << ", by = " << by << ": " << k;
            }
        }
    }
}

// The test sees what it should: two texts at one place clash, a text across a slab edge clashes.
TEST(Lesbarkeit, pruefungErkenntUeberdeckungen) {
    DXF_Object doc;
    DXF_Layer& l = doc.new_layer("0", true);
    l.add_entity_to_layer(std::make_unique<Text_>(WCS_Z, Point3D{0, 0, 0}, Origin, "5", 30, 0, 7, 0));
    l.add_entity_to_layer(std::make_unique<Text_>(WCS_Z, Point3D{20, 0, 0}, Origin, "3,6", 30, 0, 7, 0));
    l.add_entity_to_layer(std::make_unique<Line_>(Point3D{-100, 10, 0}, Point3D{-10, 10, 0}, 5));
    EXPECT_EQ(Kollisionen(doc).size(), 1u);
    l.add_entity_to_layer(std::make_unique<Line_>(Point3D{-100, 10, 0}, Point3D{100, 10, 0}, 4));
    EXPECT_EQ(Kollisionen(doc).size(), 3u);
}

}  // namespace
