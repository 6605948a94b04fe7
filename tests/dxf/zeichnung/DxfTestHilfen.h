#pragma once

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "dxf/DXF_Object.h"
#include "dxf/DXF_Writer.h"
#include "dxf/Line_.h"
#include "dxf/Text_.h"
#include "model/TKAnwendung.h"
#include "model/Umgebung.h"

// The file text of a document as the writer produces it.
inline std::string DxfText(const DXF_Object& doc) {
    std::ostringstream out;
    DXF_Writer writer(out, doc.layer_lists);
    writer.write_file();
    return out.str();
}

// The group pairs (code, value) of a DXF file text.
inline std::vector<std::pair<int, std::string>> Gruppen(const std::string& text) {
    std::vector<std::string> zeilen;
    std::size_t start = 0;
    for (std::size_t ende; (ende = text.find("\r\n", start)) != std::string::npos; start = ende + 2)
        zeilen.push_back(text.substr(start, ende - start));
    std::vector<std::pair<int, std::string>> paare;
    for (std::size_t i = 0; i + 1 < zeilen.size(); i += 2)
        paare.emplace_back(std::stoi(zeilen[i]), zeilen[i + 1]);
    return paare;
}

// Every entity of class T on the layer (all layers when empty).
template <typename T>
std::vector<const T*> Alle(const DXF_Object& doc, const std::string& layer = "") {
    std::vector<const T*> gefunden;
    for (const auto& l : doc.layer_lists) {
        if (!layer.empty() && l->layer_name != layer) continue;
        for (const auto& liste : l->entity_lists)
            for (const auto& e : liste->entities)
                if (const auto* t = dynamic_cast<const T*>(e.get())) gefunden.push_back(t);
    }
    return gefunden;
}

inline std::vector<std::string> Texte(const DXF_Object& doc, const std::string& layer = "") {
    std::vector<std::string> texte;
    for (const Text_* t : Alle<Text_>(doc, layer)) texte.push_back(t->textstr);
    return texte;
}

inline bool HatTextMitAnfang(const DXF_Object& doc, const std::string& anfang) {
    for (const std::string& t : Texte(doc))
        if (t.rfind(anfang, 0) == 0) return true;
    return false;
}

// A position with results filled by hand: the catalogue record of `dorn` for the slab thickness, the
// reinforcement width `by`, marked as calculated.
inline TKAnwendung HandPosition(TsDorn dorn, double platte = 300, double by = 600) {
    static StandardUmgebung umgebung;
    TKAnwendung anw(umgebung);
    anw.cGeometrie.SetPlatteDicke(platte);
    anw.cErgebnisse.cGeometrie = anw.cGeometrie;
    anw.cErgebnisse.ResetAktDorn(dorn);
    anw.cErgebnisse.SetBerechnet(true);
    anw.cErgebnisse.cDornErgebnis[Ord(dorn)].Setby(by);
    return anw;
}
