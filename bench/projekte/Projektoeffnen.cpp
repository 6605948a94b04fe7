// Opens a project file and, given a second name, saves it there: opening and saving as a whole process, for
// timing two builds side by side with an outside tool (CPU time, peak memory):
//
//   zavr_projekt_oeffnen DATEI [KOPIE] [--punkt]
//
// The copy is written with the decimal comma, with --punkt with the point (the separator of the settings).
// Exit status 0 when the file was opened (and saved), 1 when it was refused or could not be saved.

#include <cstdio>
#include <string>
#include <vector>

#include "files/ProjektDatei.h"
#include "model/TKModell.h"
#include "model/Umgebung.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    StandardUmgebung umgebung;
    if (std::erase(args, "--punkt") > 0) umgebung.dezimaltrenner = '.';
    if (args.empty() || args.size() > 2) {
        std::fprintf(stderr, "zavr_projekt_oeffnen DATEI [KOPIE] [--punkt]\n");
        return 2;
    }
    TKModell modell(umgebung);
    if (!ReadFromFile(modell, args[0])) {
        std::fprintf(stderr, "%s: nicht geöffnet\n", args[0].c_str());
        return 1;
    }
    std::printf("%d Positionen\n", modell.GetAnzAnwendung());
    if (args.size() == 2 && !SaveToFile(modell, args[1])) {
        std::fprintf(stderr, "%s: nicht gespeichert\n", args[1].c_str());
        return 1;
    }
    return 0;
}
