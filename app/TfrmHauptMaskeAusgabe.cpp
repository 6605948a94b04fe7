// The main window's output commands: the proof on paper, as PDF and as pictures, the bill of quantities and
// the DXF drawings.
#include <QPrinter>

#include "app/DesktopUmgebung.h"
#include "app/Dialogdienst.h"
#include "app/Eingabebereich.h"
#include "app/Ergebnisseiten.h"
#include "app/Exportdialog.h"
#include "app/Sanduhr.h"
#include "app/TDXF_Anzeige_Form.h"
#include "app/TfrmHauptMaske.h"
#include "app/TfrmStueckliste.h"
#include "model/Katalog.h"
#include "model/TKModell.h"
#include "output/Berechnungsnachweis.h"
#include "output/Dateiname.h"
#include "output/Nachweisausgabe.h"
#include "output/Projektnachweis.h"

Berechnungsnachweis TfrmHauptMaske::Nachweis() const {
    return Berechnungsnachweis(adapter_.Sitzung().Modell(), adapter_.Sitzung().Arbeitskopie(), farbe_);
}

double TfrmHauptMaske::Bildschirmaufloesung() const {
    return logicalDpiX();
}

// The preview pages on the page of the printer chosen in printer setup.
void TfrmHauptMaske::SeitenZeichnen() {
    ergebnisseiten_->SetSeiten(NachweisVorschau(Nachweis(), drucker_->pageLayout(), Bildschirmaufloesung()));
}

void TfrmHauptMaske::Drucken() {
    const Sanduhr sanduhr;
    if (!NachweisDrucken(*drucker_, Nachweis()))
        Melden(tr("Der Berechnungsnachweis konnte nicht gedruckt werden."));
}

std::optional<QString> TfrmHauptMaske::PdfDateiWaehlen() {
    const auto wahl = umgebung_.Dialoge().DateiSpeichern(this, tr("QUORVEL® - Doppelschubdorn ZAVR / ZAVRQ"),
                                                         QString(), Dateifilter(Ausgabe::PdfExport), 0);
    if (!wahl || wahl->datei.isEmpty()) return std::nullopt;
    return MitPassenderEndung(wahl->datei, Ausgabe::PdfExport);
}

void TfrmHauptMaske::AlsPdf() {
    const std::optional<QString> datei = PdfDateiWaehlen();
    if (!datei) return;
    if (const QString fehler =
            NachweisSpeichern(*datei, Ausgabeformat::Pdf, Nachweis(), drucker_->pageLayout());
        !fehler.isEmpty())
        Melden(DateifehlerText(*datei, fehler));
}

// Every position of the project for its proof; positions without results are designed first, and one that
// fails its checks comes with their hints.
std::vector<Projektposition> TfrmHauptMaske::ProjektBemessen() {
    const Sanduhr sanduhr;
    const std::vector<Berechnung> berechnungen = Sitzung().AlleBemessen();
    std::vector<Projektposition> positionen;
    for (int nummer = 1; nummer <= static_cast<int>(berechnungen.size()); ++nummer)
        positionen.push_back({Sitzung().Position(nummer), berechnungen[nummer - 1].pruefung.Hinweise});
    return positionen;
}

void TfrmHauptMaske::ProjektDrucken() {
    const Projektnachweis nachweis(Modell(), ProjektBemessen(), farbe_);
    const Sanduhr sanduhr;
    if (!ProjektnachweisDrucken(*drucker_, nachweis))
        Melden(tr("Der Nachweis des Projekts konnte nicht gedruckt werden."));
}

void TfrmHauptMaske::ProjektAlsPdf() {
    const std::optional<QString> datei = PdfDateiWaehlen();
    if (!datei) return;
    const Projektnachweis nachweis(Modell(), ProjektBemessen(), farbe_);
    const Sanduhr sanduhr;
    if (const QString fehler =
            ProjektnachweisSpeichern(*datei, Ausgabeformat::Pdf, nachweis, drucker_->pageLayout());
        !fehler.isEmpty())
        Melden(DateifehlerText(*datei, fehler));
}

void TfrmHauptMaske::ErgebnisseExportieren() {
    const auto wahl = ExportdateiWaehlen(this, umgebung_.Dialoge());
    if (!wahl) return;
    const QString fehler = NachweisSpeichern(wahl->datei, wahl->format, Nachweis(), drucker_->pageLayout(),
                                             Bildschirmaufloesung());
    if (!fehler.isEmpty()) Melden(DateifehlerText(wahl->datei, fehler));
}

void TfrmHauptMaske::ErgebnisseInZwischenablage() {
    if (!ergebnisseiten_->Seiten().empty()) ::ErgebnisseInZwischenablage(ergebnisseiten_->Seiten().front());
}

void TfrmHauptMaske::BedarfslisteAnzeigen() {
    frmStueckliste_->exec();
}

// The working copy's results and selected type go into the bill; the position selector names the entry.
// A type that is not admissible is never ordered; the user hears why.
void TfrmHauptMaske::BedarfslisteAufnehmen() {
    if (Sitzung().BedarfslisteAufnehmen(eingabe_->PositionsText().toStdString()) != Aufnahme::Unzulaessig)
        return;
    Melden(tr("Die Position wird nicht in die Bedarfsliste aufgenommen: %1.\n\nEin Dorn, der nicht zulässig "
              "ist, wird nicht bestellt.")
               .arg(QString::fromStdString(Sitzung().GewaehltText(Modell().GetAktAnwendung()))));
}

void TfrmHauptMaske::DxfDorn() {
    const TsDorn dorn = Arbeitskopie().cErgebnisse.GetAktDorn();
    const auto wahl = umgebung_.Dialoge().DateiSpeichern(this, tr("QUORVEL® - Doppelschubdorn ZAVR / ZAVRQ"),
                                                         QString::fromStdString(DornDxfDatei(dorn)),
                                                         {tr("DXF databases (*.dxf)")}, 0);
    if (!wahl || wahl->datei.isEmpty() || wahl->filter != 0) return;
    DateifehlerMelden(Sitzung().DornDxf(dorn, Dateiname(wahl->datei).Bytes()));
}

// The main menu saves the drawing at once through the preview's save command, the sketch menu shows it first.
void TfrmHauptMaske::DxfBewehrung() {
    TDXF_Anzeige_Form vorschau(Sitzung(), umgebung_.Dialoge(), umgebung_.Dezimaltrenner(), this);
    if (BewehrungInVorschau(vorschau)) vorschau.SaveButtonClick();
}

void TfrmHauptMaske::DxfBewehrungVorschau() {
    TDXF_Anzeige_Form vorschau(Sitzung(), umgebung_.Dialoge(), umgebung_.Dezimaltrenner(), this);
    if (BewehrungInVorschau(vorschau)) vorschau.exec();
}

// The drawing of a type that is not admissible is made only when the user asks for it again; it then carries
// the note "nicht zulässig".
bool TfrmHauptMaske::BewehrungInVorschau(TDXF_Anzeige_Form& vorschau) {
    const int position = Modell().GetAktAnwendung();
    const TsDorn dorn = Arbeitskopie().cErgebnisse.GetAktDorn();
    if (Arbeitskopie().cErgebnisse.GetBerechnet() && !Sitzung().Zulaessig(position, dorn) &&
        !umgebung_.Dialoge().Frage(
            this,
            tr("Für diese Position: %1.\n\nSoll die Bewehrungszeichnung von %2 trotzdem erstellt werden? "
               "Sie erhält unter dem Titel den Vermerk \"nicht zulässig\".")
                .arg(QString::fromStdString(Sitzung().GewaehltText(position)),
                     QString::fromStdString(DornName(dorn)))))
        return false;
    const Dateiergebnis ergebnis = Sitzung().BewehrungZeichnen(position, dorn, vorschau.DXF_main());
    DateifehlerMelden(ergebnis);
    return static_cast<bool>(ergebnis);
}

void TfrmHauptMaske::DxfAnzeigen() {
    TDXF_Anzeige_Form vorschau(Sitzung(), umgebung_.Dialoge(), umgebung_.Dezimaltrenner(), this);
    if (vorschau.LoadButtonClick()) vorschau.exec();
}
