#pragma once

#include <gtest/gtest.h>

#include <QFile>
#include <QString>
#include <QXmlStreamReader>
#include <vector>

// One message of a translation catalogue (.ts).
struct Katalogeintrag {
    QString kontext;
    QString quelle;        // the German source text
    QString uebersetzung;  // empty while untranslated
};

// An element's text; control characters stand in the file as <byte value="xd"/>.
inline QString Elementtext(QXmlStreamReader& xml) {
    QString text;
    for (int tiefe = 1; tiefe > 0 && !xml.atEnd();) {
        xml.readNext();
        if (xml.isCharacters()) text += xml.text();
        if (xml.isStartElement()) {
            ++tiefe;
            if (xml.name() == QLatin1String("byte"))
                text += QChar(xml.attributes().value(QLatin1String("value")).mid(1).toUShort(nullptr, 16));
        }
        if (xml.isEndElement()) --tiefe;
    }
    return text;
}

// The current messages of the catalogue; texts the sources no longer hold (vanished, obsolete) are left out.
inline std::vector<Katalogeintrag> KatalogLesen(const QString& ts) {
    QFile datei(ts);
    EXPECT_TRUE(datei.open(QIODevice::ReadOnly)) << ts.toStdString();
    QXmlStreamReader xml(&datei);
    std::vector<Katalogeintrag> eintraege;
    Katalogeintrag e;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        if (xml.name() == QLatin1String("name")) e.kontext = Elementtext(xml);
        if (xml.name() == QLatin1String("source")) e.quelle = Elementtext(xml);
        if (xml.name() == QLatin1String("translation")) {
            const auto art = xml.attributes().value(QLatin1String("type"));
            const bool aktuell = art != QLatin1String("vanished") && art != QLatin1String("obsolete");
            e.uebersetzung = art == QLatin1String("unfinished") ? QString() : Elementtext(xml);
            if (aktuell) eintraege.push_back(e);
        }
    }
    EXPECT_FALSE(xml.hasError()) << ts.toStdString() << ": " << xml.errorString().toStdString() << " line "
                                 << xml.lineNumber();
    return eintraege;
}
