#include "dxf/zeichnung/DornDxfExport.h"

#include "dxf/zeichnung/Dornzeichnung.h"
#include "dxf/zeichnung/DxfDateiname.h"

void DornDXFSpeichern(TsDorn dorn, const std::string& datei, const Umgebung& umgebung) {
    DornZeichnung(dorn, umgebung).save_to_file(datei);
}

bool DornDxfSchreiben(TsDorn dorn, const std::string& datei, std::string& fehler, const Umgebung& umgebung) {
    return SpeichereDxf(DornZeichnung(dorn, umgebung), MitDxfEndung(datei), fehler, umgebung);
}
