#include "app/Hilfe.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextDocument>
#include <algorithm>

#include "app/Sprachmodule.h"

namespace {

const QString Endung = QStringLiteral(".html");
const QString Inhaltsseite = QStringLiteral("Inhalt");

QString Lies(const QString& datei) {
    QFile f(datei);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QString Titel(const QString& html) {
    static const QRegularExpression titel(QStringLiteral("<title>(.*?)</title>"),
                                          QRegularExpression::DotMatchesEverythingOption);
    return titel.match(html).captured(1).trimmed();
}

QStringList Stichwoerter(const QString& html) {
    static const QRegularExpression meta(
        QStringLiteral("<meta\\s+name=\"keywords\"\\s+content=\"([^\"]*)\""));
    QStringList woerter;
    for (const QString& wort : meta.match(html).captured(1).split(QLatin1Char(','), Qt::SkipEmptyParts))
        woerter << wort.trimmed();
    return woerter;
}

// The topics the contents page links to, in its order.
QStringList Verweise(const QString& html) {
    static const QRegularExpression verweis(QStringLiteral("href=\"([A-Za-z0-9_]+)\\.html\""));
    QStringList themen;
    for (auto it = verweis.globalMatch(html); it.hasNext();) {
        const QString thema = it.next().captured(1);
        if (!themen.contains(thema)) themen << thema;
    }
    return themen;
}

}  // namespace

Hilfe::Hilfe(QString ordner) : ordner_(std::move(ordner)) {
    const QDir dir(ordner_);
    for (const QFileInfo& datei : dir.entryInfoList({QLatin1Char('*') + Endung}, QDir::Files, QDir::Name)) {
        const QString html = Lies(datei.filePath());
        QTextDocument dokument;
        dokument.setHtml(html);
        seiten_.push_back(
            {{datei.completeBaseName(), Titel(html)}, Stichwoerter(html), dokument.toPlainText()});
    }
    for (const QString& name : Verweise(Lies(dir.filePath(Inhaltsseite + Endung))))
        for (const Seiteninhalt& s : seiten_)
            if (s.thema.name == name) inhalt_.push_back(s.thema);
}

Hilfe Hilfe::FuerProgramm(const QString& programmdatei, int kennung) {
    const QDir programm = QFileInfo(programmdatei).absoluteDir();
    QString kuerzel = QStringLiteral("deu");
    for (const Sprache& s : BekannteSprachen())
        if (s.kennung == kennung) kuerzel = s.kuerzel;
    Hilfe hilfe(programm.filePath(QStringLiteral("hilfe/") + kuerzel));
    return hilfe.Gueltig() ? hilfe : Hilfe(programm.filePath(QStringLiteral("hilfe/deu")));
}

bool Hilfe::Gueltig() const {
    return !Seite(Inhaltsseite).isEmpty();
}

QString Hilfe::Seite(const QString& thema) const {
    for (const Seiteninhalt& s : seiten_)
        if (s.thema.name == thema) return QDir(ordner_).filePath(thema + Endung);
    return {};
}

std::vector<Hilfe::Treffer> Hilfe::Suchen(const QString& text) const {
    const QString gesucht = text.trimmed();
    std::vector<Treffer> stichwoerter;
    std::vector<Treffer> volltext;
    for (const Seiteninhalt& s : seiten_) {
        bool gefunden = false;
        for (const QString& wort : s.stichwoerter)
            if (wort.contains(gesucht, Qt::CaseInsensitive)) {
                stichwoerter.push_back({wort, s.thema});
                gefunden = true;
            }
        if (!gefunden && !gesucht.isEmpty() && s.text.contains(gesucht, Qt::CaseInsensitive))
            volltext.push_back({gesucht, s.thema});
    }
    std::stable_sort(stichwoerter.begin(), stichwoerter.end(), [](const Treffer& a, const Treffer& b) {
        return QString::localeAwareCompare(a.wort, b.wort) < 0;
    });
    stichwoerter.insert(stichwoerter.end(), volltext.begin(), volltext.end());
    return stichwoerter;
}
