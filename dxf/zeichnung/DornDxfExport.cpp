#include "dxf/zeichnung/DornDxfExport.h"

#include "dxf/zeichnung/Dornzeichnung.h"
#include "dxf/zeichnung/DxfDateiname.h"

void DornDXFSpeichern(TsDorn dorn, const std::string& datei) {
    DornZeichnung(dorn).save_to_file(datei);
}

bool DornDxfSchreiben(TsDorn dorn, const std::string& datei, std::string& fehler) {
    return SpeichereDxf(DornZeichnung(dorn), MitDxfEndung(datei), fehler);
}
