#include "dxf/zeichnung/DxfDateiname.h"

#include <cctype>
#include <exception>

#include "datei/Dateifehler.h"
#include "dxf/DXF_Object.h"
#include "model/Uebersetzung.h"
#include "model/Umgebung.h"

std::string MitDxfEndung(const std::string& datei) {
    const auto trenner = datei.find_last_of("/\\");
    const auto punkt = datei.rfind('.');
    std::string endung;
    if (punkt != std::string::npos && (trenner == std::string::npos || punkt > trenner))
        endung = datei.substr(punkt);
    for (char& c : endung) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return endung == ".DXF" ? datei : datei + ".dxf";
}

bool SpeichereDxf(const DXF_Object& doc, const std::string& datei, std::string& fehler,
                  const Umgebung& umgebung) {
    try {
        doc.save_to_file(datei);
        return true;
    } catch (const std::exception& e) {
        fehler = Einsetzen(
            umgebung.translate("Dateifehler", "Die Datei \"%1\" konnte nicht geschrieben werden: %2"),
            {datei, umgebung.translate("Dateifehler", Fehlergrund(e).c_str())});
        return false;
    }
}
