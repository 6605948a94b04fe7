#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The formats of the files the program writes and which of them each of its outputs offers: one table for the
// window's export dialogs and for every command of zavr-cli. A file's format follows its extension.

enum class Ausgabeformat { Pdf, Svg, Png, Jpeg, Bmp, Txt, Csv, Json };

// The kinds of file, each with one writer (output/Ausgabe.h): pages, a vector picture, a bitmap, a text.
enum class Schreibart { Seiten, Vektorbild, Bitmap, Text };

struct TrAusgabeformat {
    Ausgabeformat format;
    Schreibart art;
    const char* endung;      // the extension a chosen file gets
    const char* auchEndung;  // another extension of the format, or nullptr
    const char* bildformat;  // the name of Qt's image writer for a bitmap, else nullptr
    const char* auswahl;     // the choice in a file dialog, German source text of the context "Ausgabeformat"
};

const TrAusgabeformat& Format(Ausgabeformat format);

// Everything written in a format of the user's choice, by the command-line tool or by the window.
enum class Ausgabe {
    Skizze,            // zavr-cli sketch
    Nachweis,          // zavr-cli report
    Projektnachweis,   // zavr-cli report --all; the window's "Projekt als PDF"
    Bedarfsliste,      // zavr-cli bill
    Tabellen,          // zavr-cli table
    DxfBild,           // zavr-cli dxf render
    Bildexport,        // the window's sketch and result pages to a file: vector, bitmap, JPEG
    Bedarfsexport,     // the window's export of the bill of quantities: the pictures and the text
    PdfExport,         // the window's proof and capacity tables as PDF
    TabellenCsvExport  // the window's capacity tables as CSV
};

// The formats `ausgabe` offers; a file dialog lists them in this order.
const std::vector<Ausgabeformat>& Formate(Ausgabe ausgabe);

// The format the name of `datei` asks for (its extension, in any case), if `ausgabe` offers it.
std::optional<Ausgabeformat> FormatDerDatei(Ausgabe ausgabe, std::string_view datei);

// The extensions `ausgabe` accepts, for help texts and refusals: ".svg, .png, .jpg, .jpeg, .bmp".
std::string Endungen(Ausgabe ausgabe);

// The refusal of a file whose extension an output does not write, German source text of the context
// "Ausgabeformat": %1 the file, %2 the extensions.
const char* UnbekannteEndung();
