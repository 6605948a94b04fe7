// Our own reader takes back what the drawings wrote: same layers, same entity lists and counts, same texts.

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "DxfTestHilfen.h"
#include "dxf/DXF_Messages.h"
#include "dxf/zeichnung/Bewehrungsplan.h"
#include "dxf/zeichnung/Dornzeichnung.h"
#include "model/Katalog.h"

namespace {

// Layer name, list name and entity count of every list, in document order.
std::vector<std::tuple<std::string, std::string, int>> Inhalt(const DXF_Object& doc) {
    std::vector<std::tuple<std::string, std::string, int>> inhalt;
    for (const auto& l : doc.layer_lists)
        for (const auto& liste : l->entity_lists)
            if (liste->num_entities() > 0)
                inhalt.emplace_back(l->layer_name, liste->list_name, liste->num_entities());
    return inhalt;
}

void PruefeRueckweg(const DXF_Object& doc, const std::string& name) {
    const std::string datei = std::string(ZAVR_BINARY_DIR) + "/zeichnung_rueckweg_" + name + ".dxf";
    doc.save_to_file(datei);
    DXF_Message_Log meldungen;
    const DXF_Object gelesen = DXF_Object::create_from_file(datei, meldungen);
    EXPECT_TRUE(meldungen.entries.empty()) << name;
    auto erwartet = Inhalt(doc), ist = Inhalt(gelesen);
    std::sort(erwartet.begin(), erwartet.end());
    std::sort(ist.begin(), ist.end());
    EXPECT_EQ(ist, erwartet) << name;
    auto texteVorher = Texte(doc), texteNachher = Texte(gelesen);
    std::sort(texteVorher.begin(), texteVorher.end());
    std::sort(texteNachher.begin(), texteNachher.end());
    EXPECT_EQ(texteNachher, texteVorher) << name;
}

TEST(Rueckweg, bewehrungsplanKommtUnveraendertZurueck) {
    const TKAnwendung anw = HandPosition(TsDorn::ZAVR60HF, 300);
    StandardUmgebung u;
    DXF_Object doc;
    std::string fehler;
    ASSERT_TRUE(BewehrungsZeichnung(anw, TsDorn::ZAVR60HF, u, doc, fehler));
    PruefeRueckweg(doc, "bewehrung");
}

TEST(Rueckweg, dornzeichnungenKommenUnveraendertZurueck) {
    for (TsDorn dorn : {TsDorn::ZAVR20HF, TsDorn::ZAVRQ450})
        PruefeRueckweg(DornZeichnung(dorn, StandardUmgebung()), DornName(dorn));
}

}  // namespace
