#pragma once

#include <QCoreApplication>
#include <QString>

// Translation context "Nachweis" of the texts of the report and list pages: Nachweis::tr("Datum: ").
struct Nachweis {
    Q_DECLARE_TR_FUNCTIONS(Nachweis)
};

// A value rounded to `stellen` decimals, ties to even, in the shortest form with the given decimal
// separator: (12.25, 1) gives "12,2", (30, 1) gives "30".
QString Zahl(double wert, int stellen, char dezimaltrenner);
