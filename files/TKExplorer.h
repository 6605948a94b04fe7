#pragma once

#include <string>
#include <vector>

struct Umgebung;

// The contents of a project file as the project browser lists them, without opening the project: for
// every position its name, the program name, the project name, the application case, the joint length and
// the date. Only these few keys are read.
class TKExplorer {
public:
    // The lines of one position, in this order.
    enum Zeile { Position, Programm, Bauvorhaben, Anwendungsfall, Fugenlaenge, Datum, AnzahlZeilen };
    using Projekt = std::vector<std::string>;

    // Texts and numbers follow the user-interface language and the decimal separator of `umgebung`,
    // which also receives the notice about a foreign file.
    explicit TKExplorer(Umgebung& umgebung) : umgebung_(&umgebung) {}

    // Appends one list per position of the file. A file of another program or version is refused with the
    // notice "Die Datei ist keine gültige QUORVEL® - ZAVR Datei" and adds nothing (false), as is, without a
    // notice, a file whose text cannot be held. Throws std::system_error when the file cannot be read.
    bool ReadFromFile(const std::string& pFileName);
    void AddProjekt(const Projekt& pProjekt) { TProjekt.push_back(pProjekt); }

    const std::vector<Projekt>& GetProjekt() const { return TProjekt; }

private:
    Umgebung* umgebung_;
    std::vector<Projekt> TProjekt;
};

// A joint length in millimetres as the browser shows it, in metres with one decimal: 12500 gives "12,5 m".
std::string FugenlaengeText(double millimeter, char dezimaltrenner);
