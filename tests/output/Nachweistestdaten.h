#pragma once

#include <QRectF>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdio>
#include <string>
#include <vector>

#include "SkizzenTestdaten.h"
#include "calc/TKZAVRBemessung.h"
#include "output/Berechnungsnachweis.h"
#include "output/Nachweisausgabe.h"

// A project with one position designed by the engine, for the report pages.
struct Nachweisprojekt {
    StandardUmgebung umgebung;
    TKModell modell{umgebung};
    TKFarbe farbe;

    Nachweisprojekt(TsAnwendungsfall fall, TsBelastungsfall last) {
        umgebung.heute = "2026-03-04";
        TKAnwendung& a = Position();
        a.SetPosition("Achse 7");
        a.SetAnwendungsfall(fall);
        a.cGeometrie.SetFugenlaenge(6000);
        a.cGeometrie.SetBauteilRandLinks(400);
        a.cGeometrie.SetBauteilRandRechts(600);
        TKBelastung& b = a.cBelastungDesign;
        b.SetBelastungsfall(last);
        b.SetLastLaenge(6000);
        b.SetPunktLast(65);
        b.ResetbeliebigeLast();
        b.AddbeliebigeLast({0, 30});
        b.AddbeliebigeLast({6000, last == TsBelastungsfall::bfLinienlast ? 50.0 : 30.0});
        modell.cEingabeDornDaten.SetDorn(TsDorn::ZAVR45HF, TsFugenbreite::fb20bis30, 240);
    }

    TKAnwendung& Position() { return modell.cAnwendung[0]; }
    void Bemessen() { BerechneErgebnis(Position(), umgebung); }
    TsDorn Akt() { return Position().cErgebnisse.GetAktDorn(); }
    TKDornErgebnis& Ergebnis() { return Position().cErgebnisse.cDornErgebnis[Ord(Akt())]; }
    TKDornDaten& Dorn() { return Position().cErgebnisse.cDornDaten[Ord(Akt())]; }
    // A dimension chain set by hand: edge distance, spacings, edge distance.
    void Kette(const std::vector<double>& abstaende) {
        Ergebnis().ResetDornAbstand();
        for (double a : abstaende) Ergebnis().AddDornAbstand(a, true);
        Position().cErgebnisse.SetAnzDorn(Akt(), static_cast<std::uint16_t>(abstaende.size() - 1));
    }
    Berechnungsnachweis Nachweis() { return {modell, Position(), farbe}; }
};

inline std::string Ausgabe(const std::string& befehl) {
    std::string text;
    if (FILE* rohr = popen(befehl.c_str(), "r")) {
        char puffer[4096];
        for (std::size_t n; (n = fread(puffer, 1, sizeof puffer, rohr)) > 0;) text.append(puffer, n);
        pclose(rohr);
    }
    return text;
}

// pdftotext sets blanks by the distances between glyphs ("= 6 m" may come back as "=6m"): texts are
// compared without blanks.
inline std::string OhneLeerzeichen(std::string text) {
    std::erase_if(text, [](char c) { return c == ' ' || c == '\t'; });
    return text;
}

inline bool Enthaelt(const std::string& text, const std::string& teil) {
    return OhneLeerzeichen(text).find(OhneLeerzeichen(teil)) != std::string::npos;
}

// The PDF of a proof read back with pdftotext: one text per page, each line trimmed and its runs of blanks
// shortened to one blank.
struct PdfNachweis {
    QTemporaryDir ordner;
    QString datei;
    std::vector<std::string> seiten;
    std::string fehler;

    explicit PdfNachweis(const Berechnungsnachweis& nachweis) : datei(ordner.filePath("nachweis.pdf")) {
        BildAnwendung();
        fehler = NachweisSpeichern(datei, Ausgabeformat::Pdf, nachweis).toStdString();
        const QString text =
            QString::fromStdString(Ausgabe("pdftotext -layout '" + datei.toStdString() + "' -"));
        for (const QString& seite : text.split('\f')) {
            QStringList zeilen;
            for (const QString& zeile : seite.split('\n')) zeilen << zeile.simplified();
            seiten.push_back(zeilen.join('\n').toStdString());
        }
        if (!seiten.empty() && seiten.back().find_first_not_of('\n') == std::string::npos) seiten.pop_back();
    }
    std::string Alles() const {
        std::string alles;
        for (const std::string& s : seiten) alles += s;
        return alles;
    }
};

// The words of a PDF page with their boxes in points, from pdftotext -bbox.
struct Wort {
    QString text;
    QRectF box;
};
inline std::vector<std::vector<Wort>> Woerter(const QString& pdf) {
    const QString html = QString::fromStdString(Ausgabe("pdftotext -bbox '" + pdf.toStdString() + "' -"));
    std::vector<std::vector<Wort>> seiten;
    static const QRegularExpression muster(
        R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    for (auto treffer = muster.globalMatch(html); treffer.hasNext();) {
        const auto m = treffer.next();
        if (m.captured(0).startsWith("<page")) {
            seiten.emplace_back();
            continue;
        }
        seiten.back().push_back(
            {m.captured(5), QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                   QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))});
    }
    return seiten;
}

inline double Punkte(double zentimeter) {
    return zentimeter / 2.54 * 72;
}
