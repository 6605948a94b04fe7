#pragma once

#include <QString>
#include <deque>
#include <vector>

#include "app/Dialogdienst.h"

// Scripted dialog service for tests: records every box in order and answers from the queued answers.
// A box without a queued answer is answered No / Cancel and counted as unexpected, so a test never hangs.
class DialogSkript : public Dialogdienst {
public:
    enum class Art { Hinweis, Frage, FrageMitAbbrechen, Bestaetigung, Oeffnen, Speichern, Drucker, Dokument };
    struct Aufruf {
        Art art;
        QString text;  // message text, or the dialog title for file dialogs
        QStringList filter;
        int filter_index = 0;
        QString vorschlag;
    };

    std::vector<Aufruf> aufrufe;
    std::deque<bool> antworten;                    // Yes/OK = true, for Frage and Bestaetigung
    std::deque<::Antwort> dreiAntworten;           // for FrageMitAbbrechen
    std::deque<std::optional<Dateiwahl>> dateien;  // for DateiOeffnen and DateiSpeichern
    int unerwartet = 0;

    void Hinweis(QWidget*, const QString& text) override {
        aufrufe.push_back({Art::Hinweis, text, {}, 0, {}});
    }
    bool Frage(QWidget*, const QString& text) override { return Antwort(Art::Frage, text); }
    bool Bestaetigung(QWidget*, const QString& text) override { return Antwort(Art::Bestaetigung, text); }
    ::Antwort FrageMitAbbrechen(QWidget*, const QString& text) override {
        aufrufe.push_back({Art::FrageMitAbbrechen, text, {}, 0, {}});
        if (dreiAntworten.empty()) {
            ++unerwartet;
            return ::Antwort::Abbrechen;
        }
        const ::Antwort antwort = dreiAntworten.front();
        dreiAntworten.pop_front();
        return antwort;
    }
    std::optional<Dateiwahl> DateiOeffnen(QWidget*, const QString& titel, const QString& vorschlag,
                                          const QStringList& filter, int filter_index) override {
        return Datei(Art::Oeffnen, titel, vorschlag, filter, filter_index);
    }
    std::optional<Dateiwahl> DateiSpeichern(QWidget*, const QString& titel, const QString& vorschlag,
                                            const QStringList& filter, int filter_index) override {
        return Datei(Art::Speichern, titel, vorschlag, filter, filter_index);
    }

    bool DruckerEinrichten(QWidget*, QPrinter&) override {
        aufrufe.push_back({Art::Drucker, {}, {}, 0, {}});
        return false;
    }
    bool DokumentOeffnen(const QString& pfad) override {
        aufrufe.push_back({Art::Dokument, pfad, {}, 0, {}});
        return dokumentOeffnet;
    }

    bool dokumentOeffnet = true;

    // The texts of all boxes of one kind, in order.
    QStringList Texte(Art art) const {
        QStringList texte;
        for (const auto& aufruf : aufrufe)
            if (aufruf.art == art) texte << aufruf.text;
        return texte;
    }

private:
    bool Antwort(Art art, const QString& text) {
        aufrufe.push_back({art, text, {}, 0, {}});
        if (antworten.empty()) {
            ++unerwartet;
            return false;
        }
        const bool ja = antworten.front();
        antworten.pop_front();
        return ja;
    }

    std::optional<Dateiwahl> Datei(Art art, const QString& titel, const QString& vorschlag,
                                   const QStringList& filter, int filter_index) {
        aufrufe.push_back({art, titel, filter, filter_index, vorschlag});
        if (dateien.empty()) {
            ++unerwartet;
            return std::nullopt;
        }
        auto wahl = dateien.front();
        dateien.pop_front();
        return wahl;
    }
};
