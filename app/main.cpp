#include <QApplication>
#include <QFont>
#include <QTranslator>
#include <clocale>
#include <string>
#include <vector>

#include "app/Anwendereinstellungen.h"
#include "app/DesktopUmgebung.h"
#include "app/Dialogdienst.h"
#include "app/Hinweiszeiten.h"
#include "app/Sprachmodule.h"
#include "app/TfrmHauptMaske.h"
#include "app/TfrmSplash.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Qt takes over the user's locale; the core's number texts are written in the C locale and carry the
    // regional separator themselves.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("zavr"));
    // The windows are laid out for Arial; fontconfig supplies a metric-compatible face where it is missing.
    QApplication::setFont(QFont(QStringLiteral("Arial"), 9));
    HinweiszeitenEinstellen(app);
    const QString programm = QApplication::applicationFilePath();
    const auto einstellungen = Anwendereinstellungen::FuerProgramm();

    QTranslator sprachmodul;
    QTranslator qtTexte;
    {
        TfrmSplash start(programm, einstellungen);
        start.exec();
        if (LadeSprachmodul(sprachmodul, programm, start.GewaehlteKennung()))
            QApplication::installTranslator(&sprachmodul);
        if (LadeQtTexte(qtTexte, start.GewaehlteKennung())) QApplication::installTranslator(&qtTexte);
    }

    QtDialogdienst dialoge;
    DesktopUmgebung umgebung(einstellungen, dialoge);
    TfrmHauptMaske hauptmaske(umgebung);
    hauptmaske.show();
    hauptmaske.SicherungAnbieten();
    // argv as the system gave it (QApplication has taken its own options out): QString would change a
    // file name that is not UTF-8.
    hauptmaske.Befehlszeile(std::vector<std::string>(argv + 1, argv + argc));
    return app.exec();
}
