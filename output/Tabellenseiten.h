#pragma once

#include <QPageLayout>
#include <QString>
#include <vector>

#include "model/Tabellenzelle.h"
#include "output/Ausgabe.h"
#include "output/Seitenlayout.h"

class QPagedPaintDevice;
struct Kopfdaten;

// The capacity tables as pages with the frame and header of the calculation proof: one block per type
// (with its joint width class, fire protection and method) that starts on a new page. Above the table the
// reference situation; the rows are the slab thicknesses, the columns the grades, each cell the design
// resistance with its governing check as index or, where the type is not admissible, the short reason;
// the last two columns give the edge distance and spacing from which on every value of the row holds. A
// table longer than a page goes on on the next with its column titles. The cells come in the order
// BerechneTabelle gives them.

// The page title of the block of one type: "Tragfähigkeitstabelle " and its display name.
QString Tabellentitel(TsDorn dorn);

// Prints all blocks as one job; false when the device cannot be painted on or reports a failure.
bool TabellenDrucken(QPagedPaintDevice& drucker, const std::vector<Tabellenzelle>& zellen,
                     const Kopfdaten& kopf, char dezimaltrenner);

// The tables for the file writer (output/Ausgabe.h): all blocks as the pages of a PDF. The text formats
// (CSV, JSON) are added by their makers.
Ausgabeinhalt TabellenInhalt(const std::vector<Tabellenzelle>& zellen, const Kopfdaten& kopf,
                             char dezimaltrenner, const QPageLayout& seite = StandardSeite());
