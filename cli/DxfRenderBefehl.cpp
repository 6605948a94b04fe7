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

// What the reader could not take, and what the file holds but the picture does not show, is listed on
// standard error and the rest of the file is drawn, as the preview does it. A drawing read only in part is
// written but ends with 1, so that a script does not take it for the whole drawing. A file without a
// drawing is an error: exit 2 and no picture.
int DxfRender(const Argumente& a) {
    const auto fehler = [](const std::string& text) {
        std::cerr << "zavr-cli dxf render: " << text << '\n';
        return ExitDateiFehler;
    };
    if (a.worte.size() != 2) return fehler(translate("Kommandozeile", "genau eine DXF-Datei angeben"));
    const auto ausgabe = a.Wert("--output");
    if (!ausgabe) return fehler(translate("Kommandozeile", "-o AUSGABE.png|.svg|.pdf fehlt"));
    QString formatfehler;
    const auto format = FormatWaehlen(Ausgabe::DxfBild, *ausgabe, formatfehler);
    if (!format) return fehler(formatfehler.toStdString());
    int pixel = 1000;
    // A bitmap of 8,000 pixels square takes 256 MB, which leaves room beside a drawing as large as the
    // reader takes.
    constexpr int HoechstePixel = 8000;
    if (const auto text = a.Wert("--size")) {
        const auto p = Positionsnummer(*text);
        if (!p || *p < 50 || *p > HoechstePixel)
            return fehler(translate("Kommandozeile", "--size braucht eine Pixelzahl von 50 bis 8000"));
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
    for (const QString& zeile : DxfNichtDargestellt(zeichnung.omissions))
        std::cerr << "zavr-cli dxf render: " << zeile.toStdString() << '\n';
    const QString grund = DxfBildSpeichern(zeichnung, *ausgabe, *format, pixel);
    if (!grund.isEmpty()) return fehler(*ausgabe + ": " + grund.toStdString());
    return meldungen.entries.empty() ? ExitOk : ExitPruefungFehlgeschlagen;
}
