#pragma once

#include <QString>
#include <QStringList>

class Seitenlayout;
class Seitenmaler;
class TKAnwendung;
class TKModell;

// The number of a page in its document, for the "Seite:" box: page `nummer` of `anzahl`; 0 of 0 leaves the
// box empty.
struct Seitenzahl {
    int nummer = 0;
    int anzahl = 0;
};

// What the frame of a report or list page shows besides the page title.
struct Kopfdaten {
    QString bauvorhaben;
    QStringList firma;  // company lines; the first three are printed
    QString bearbeiter;
    QString datum;  // the project's date
    QString projektNr;
    QString heute;       // printout date, short regional format
    QString position;    // name of the position; printed on the pages of a calculation proof
    QStringList fehler;  // error texts of the selected dowel type; any adds the inadmissibility sentence
    Seitenzahl seite;
};

// The project's header data and today's date of its surroundings, as the list pages show them.
Kopfdaten ProjektKopf(const TKModell& modell);

// The project's header data, today's date of its surroundings, and the name and the error texts of the
// selected dowel type of the position.
Kopfdaten NachweisKopf(const TKModell& modell, const TKAnwendung& anwendung);

// The page title of the calculation proof: "Berechnungsnachweis für " and the display name of the type.
QString NachweisTitel(const TKAnwendung& anwendung);

// Draws header, footer and frame of a page and returns where the page content starts, in cm below the top
// margin T: below the header's last line, at least 1 cm.
double Seitenkopf(Seitenmaler& seite, const QString& titel, const Kopfdaten& daten);
// The same value without drawing, for laying out pages before they are drawn.
double Kopfende(const Seitenlayout& layout, const QString& titel, const Kopfdaten& daten);

// The line above the footer: content must end above it (cm from the origin of the printable area).
double Fusslinie(const Seitenlayout& layout);
