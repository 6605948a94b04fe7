#include "datei/Ausgabeformat.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <map>

// Marks the texts for the translation catalogues; they are translated where they are shown.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace {

using F = Ausgabeformat;
using S = Schreibart;

constexpr std::array<TrAusgabeformat, 8> Formattabelle{{
    {F::Pdf, S::Seiten, "pdf", nullptr, nullptr, QT_TRANSLATE_NOOP("Ausgabeformat", "PDF-Dokument (*.pdf)")},
    {F::Svg, S::Vektorbild, "svg", nullptr, nullptr,
     QT_TRANSLATE_NOOP("Ausgabeformat", "Exportieren in SVG Format (*.svg)")},
    {F::Png, S::Bitmap, "png", nullptr, "PNG",
     QT_TRANSLATE_NOOP("Ausgabeformat", "Exportieren in PNG Format (*.png)")},
    {F::Jpeg, S::Bitmap, "jpg", "jpeg", "JPG",
     QT_TRANSLATE_NOOP("Ausgabeformat", "Exportieren in JPeg Format (*.jpg)")},
    {F::Bmp, S::Bitmap, "bmp", nullptr, "BMP",
     QT_TRANSLATE_NOOP("Ausgabeformat", "Exportieren in Bitmap Format (*.bmp)")},
    {F::Txt, S::Text, "txt", nullptr, nullptr,
     QT_TRANSLATE_NOOP("Ausgabeformat", "Exportieren in Text Format (*.txt)")},
    {F::Csv, S::Text, "csv", nullptr, nullptr, QT_TRANSLATE_NOOP("Ausgabeformat", "CSV-Datei (*.csv)")},
    {F::Json, S::Text, "json", nullptr, nullptr, QT_TRANSLATE_NOOP("Ausgabeformat", "JSON-Datei (*.json)")},
}};

// What each output offers. The window's picture exports keep their three choices: vector, bitmap, JPEG.
const std::map<Ausgabe, std::vector<Ausgabeformat>>& Angebote() {
    static const std::map<Ausgabe, std::vector<Ausgabeformat>> angebote{
        {Ausgabe::Skizze, {F::Svg, F::Png, F::Jpeg, F::Bmp}},
        {Ausgabe::Nachweis, {F::Pdf, F::Svg, F::Png, F::Jpeg, F::Bmp}},
        {Ausgabe::Projektnachweis, {F::Pdf}},
        {Ausgabe::Bedarfsliste, {F::Txt, F::Pdf, F::Svg, F::Png, F::Jpeg, F::Bmp}},
        {Ausgabe::Tabellen, {F::Csv, F::Json, F::Pdf}},
        {Ausgabe::DxfBild, {F::Png, F::Jpeg, F::Svg, F::Pdf}},
        {Ausgabe::Bildexport, {F::Svg, F::Bmp, F::Jpeg}},
        {Ausgabe::Bedarfsexport, {F::Svg, F::Bmp, F::Jpeg, F::Txt}},
        {Ausgabe::PdfExport, {F::Pdf}},
        {Ausgabe::TabellenCsvExport, {F::Csv}},
    };
    return angebote;
}

std::string Klein(std::string_view text) {
    std::string klein(text);
    std::transform(klein.begin(), klein.end(), klein.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return klein;
}

// The extension of the file's own name: a dot in a folder's name is none.
std::string EndungDerDatei(std::string_view datei) {
    const std::size_t name = datei.find_last_of('/');
    const std::string_view eigener = name == std::string_view::npos ? datei : datei.substr(name + 1);
    const std::size_t punkt = eigener.find_last_of('.');
    return punkt == std::string_view::npos ? std::string() : Klein(eigener.substr(punkt + 1));
}

}  // namespace

const TrAusgabeformat& Format(Ausgabeformat format) {
    return *std::find_if(Formattabelle.begin(), Formattabelle.end(),
                         [format](const TrAusgabeformat& f) { return f.format == format; });
}

const std::vector<Ausgabeformat>& Formate(Ausgabe ausgabe) {
    return Angebote().at(ausgabe);
}

std::optional<Ausgabeformat> FormatDerDatei(Ausgabe ausgabe, std::string_view datei) {
    const std::string endung = EndungDerDatei(datei);
    for (const Ausgabeformat format : Formate(ausgabe)) {
        const TrAusgabeformat& f = Format(format);
        if (endung == f.endung || (f.auchEndung && endung == f.auchEndung)) return format;
    }
    return std::nullopt;
}

std::string Endungen(Ausgabe ausgabe) {
    std::string text;
    for (const Ausgabeformat format : Formate(ausgabe)) {
        const TrAusgabeformat& f = Format(format);
        for (const char* endung : {f.endung, f.auchEndung}) {
            if (!endung) continue;
            if (!text.empty()) text += ", ";
            text.append(".").append(endung);
        }
    }
    return text;
}

const char* UnbekannteEndung() {
    return QT_TRANSLATE_NOOP("Ausgabeformat", "unbekannte Endung von %1 (möglich: %2)");
}
