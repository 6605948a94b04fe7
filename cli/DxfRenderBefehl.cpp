#include <QFile>
#include <iostream>
#include <string>

#include "cli/Argumente.h"
#include "cli/Befehle.h"
#include "cli/Kommandozeile.h"
#include "cli/KonsolenUmgebung.h"
#include "dxf/DXF_Messages.h"
#include "dxf/DXF_Object.h"
#include "output/DxfLeinwand.h"
#include "output/Skizzenbild.h"
#include "sitzung/Projektsitzung.h"

// What the reader could not take is listed and the rest of the file is drawn, as the preview does it.
int DxfRender(const Argumente& a) {
    const auto fehler = [](const std::string& text) {
        std::cerr << "zavr-cli dxf render: " << text << '\n';
        return ExitDateiFehler;
    };
    if (a.worte.size() != 2) return fehler(translate("Kommandozeile", "genau eine DXF-Datei angeben"));
    const auto ausgabe = a.Wert("--output");
    if (!ausgabe) return fehler(translate("Kommandozeile", "-o AUSGABE.png|.svg|.pdf fehlt"));
    QString formatfehler;
    const auto format = FormatWaehlen(Ausgabe::DxfBild, QFile::decodeName(ausgabe->c_str()), formatfehler);
    if (!format) return fehler(formatfehler.toStdString());
    int pixel = 1000;
    if (const auto text = a.Wert("--size")) {
        const auto p = Positionsnummer(*text);
        if (!p || *p < 50 || *p > 10000)
            return fehler(translate("Kommandozeile", "--size braucht eine Pixelzahl von 50 bis 10000"));
        pixel = *p;
    }
    KonsolenUmgebung umgebung;
    const Projektsitzung sitzung(umgebung);
    DXF_Message_Log meldungen;
    DXF_Object zeichnung;
    if (const Dateiergebnis gelesen = sitzung.DxfLesen(a.worte[1], meldungen, zeichnung); !gelesen)
        return fehler(a.worte[1] + ": " + gelesen.grund);
    for (const auto& m : meldungen.entries)
        std::cerr << "zavr-cli dxf render: " << m.caption << ": " << m.text << '\n';
    BildAnwendungSicherstellen();
    const QString grund = DxfBildSpeichern(zeichnung, QFile::decodeName(ausgabe->c_str()), *format, pixel);
    return grund.isEmpty() ? ExitOk : fehler(*ausgabe + ": " + grund.toStdString());
}
