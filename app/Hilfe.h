#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// The HTML help of one language: one page per window and topic, <topic>.html, in a folder "hilfe/<abbr>"
// beside the program (abbr as the language module: deu, eng, plk). The page "Inhalt" lists the topics in
// the order of the contents; each page names its keywords in <meta name="keywords" content="a, b">.
class Hilfe {
public:
    explicit Hilfe(QString ordner);

    // The help of the language of the locale `kennung` beside the program; German where that language has
    // none. Not Gueltig() when no help is installed.
    static Hilfe FuerProgramm(const QString& programmdatei, int kennung);

    bool Gueltig() const;
    const QString& Ordner() const { return ordner_; }
    QString Seite(const QString& thema) const;  // the file of the topic's page; empty when there is none

    struct Thema {
        QString name;   // "MaskeProjektdaten"
        QString titel;  // the page's <title>
    };
    // The topics in the order of the contents page.
    const std::vector<Thema>& Inhalt() const { return inhalt_; }

    struct Treffer {
        QString wort;  // the keyword, or the searched text when it was found in a page's text
        Thema thema;
    };
    // Keywords containing `text` (case-insensitive, sorted), then the pages whose text holds it without a
    // matching keyword. An empty text lists every keyword.
    std::vector<Treffer> Suchen(const QString& text) const;

private:
    struct Seiteninhalt {
        Thema thema;
        QStringList stichwoerter;
        QString text;  // the page as plain text, for the full-text search
    };

    QString ordner_;
    std::vector<Thema> inhalt_;
    std::vector<Seiteninhalt> seiten_;
};
