// An English and a Polish run show no German: every window, dialog, menu, list, sketch, proof page and DXF
// drawing is walked with the language module the program ships, and each text is checked against a list of
// German words. A text added later without its translation fails here.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProcessEnvironment>
#include <QPushButton>
#include <QSvgGenerator>
#include <QTabBar>
#include <QTableWidget>
#include <QTextEdit>
#include <QTranslator>
#include <QTreeWidget>
#include <QXmlStreamReader>

#include "app/DeutscheWoerter.h"
#include "app/HauptmaskeTest.h"
#include "app/Katalogdatei.h"
#include "app/Sprachmodule.h"
#include "app/TDXF_Anzeige_Form.h"
#include "app/TfrmSplash.h"
#include "app/TfrmStueckliste.h"
#include "app/TfrmTragfaehigkeitstabellen.h"
#include "dxf/DXF_Messages.h"
#include "dxf/DXF_Object.h"
#include "dxf/Text_.h"
#include "dxf/zeichnung/Bewehrungsplan.h"
#include "dxf/zeichnung/Dornzeichnung.h"
#include "files/Bedarfstext.h"
#include "model/Katalog.h"
#include "output/Bedarfsseiten.h"
#include "output/Berechnungsnachweis.h"
#include "output/Seitenkopf.h"
#include "output/Seitenlayout.h"
#include "output/Skizzenbild.h"
#include "output/Skizzenzeichner.h"
#include "output/Tabellenseiten.h"
#include "sitzung/Tragfaehigkeitstabellen.h"

namespace {

// Every text a window and its children (dialogs, menus, lists, trees) can show.
QStringList Fenstertexte(QWidget& wurzel) {
    QStringList texte;
    QList<QWidget*> widgets = wurzel.findChildren<QWidget*>();
    widgets << &wurzel;
    for (QWidget* w : widgets) {
        texte << w->windowTitle() << w->toolTip() << w->statusTip() << w->whatsThis();
        if (auto* label = qobject_cast<QLabel*>(w)) texte << label->text();
        if (auto* knopf = qobject_cast<QAbstractButton*>(w)) texte << knopf->text();
        if (auto* gruppe = qobject_cast<QGroupBox*>(w)) texte << gruppe->title();
        if (auto* feld = qobject_cast<QLineEdit*>(w)) texte << feld->placeholderText();
        if (auto* memo = qobject_cast<QPlainTextEdit*>(w)) texte << memo->toPlainText();
        if (auto* memo = qobject_cast<QTextEdit*>(w)) texte << memo->toPlainText();
        if (auto* box = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < box->count(); ++i) texte << box->itemText(i);
        if (auto* reiter = qobject_cast<QTabBar*>(w))
            for (int i = 0; i < reiter->count(); ++i) texte << reiter->tabText(i);
        if (auto* baum = qobject_cast<QTreeWidget*>(w)) {
            for (int s = 0; s < baum->columnCount(); ++s) texte << baum->headerItem()->text(s);
            for (QTreeWidgetItemIterator it(baum); *it; ++it)
                for (int s = 0; s < baum->columnCount(); ++s) texte << (*it)->text(s) << (*it)->toolTip(s);
        }
        if (auto* kopf = qobject_cast<QHeaderView*>(w); kopf && kopf->model())
            for (int s = 0; s < kopf->count(); ++s)
                texte << kopf->model()->headerData(s, kopf->orientation()).toString();
    }
    for (QAction* aktion : wurzel.findChildren<QAction*>())
        texte << aktion->text() << aktion->toolTip() << aktion->statusTip();
    return texte;
}

// The texts an SVG picture writes.
QStringList SvgTexte(const QByteArray& svg) {
    QStringList texte;
    QXmlStreamReader xml(svg);
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("text"))
            texte << xml.readElementText(QXmlStreamReader::IncludeChildElements);
    return texte;
}

// Draws into an SVG picture of the given size and returns its texts.
template <typename Zeichnen>
QStringList Gezeichnet(QSize groesse, Zeichnen zeichnen) {
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&puffer);
    svg.setSize(groesse);
    QPainter canvas(&svg);
    zeichnen(canvas);
    canvas.end();
    return SvgTexte(puffer.data());
}

QStringList Nachweistexte(const TKModell& modell, const TKAnwendung& anwendung) {
    const TKFarbe farbe;
    const Berechnungsnachweis nachweis(modell, anwendung, farbe);
    QStringList texte;
    const Seitenmasse masse = SeitenmasseSetzen(StandardSeite());
    const QSize a4(794, 1123);
    std::vector<Nachweisseite> seiten;
    Gezeichnet(a4, [&](QPainter& canvas) {
        seiten = nachweis.Seiten(Seitenlayout(canvas, masse, Ausgabeziel::Bildschirm));
    });
    const int anzahl = static_cast<int>(seiten.size());
    for (int i = 0; i < anzahl; ++i)
        texte << Gezeichnet(a4, [&](QPainter& canvas) {
            nachweis.SeiteZeichnen(canvas, Seitenlayout(canvas, masse, Ausgabeziel::Bildschirm), seiten[i],
                                   {i + 1, anzahl});
        });
    return texte;
}

QStringList Skizzentexte(const TKModell& modell, const TKAnwendung& anwendung) {
    QStringList texte;
    const TKFarbe farbe;
    for (TsSkizzeTyp typ : {TsSkizzeTyp::stAnsicht, TsSkizzeTyp::stDraufsicht, TsSkizzeTyp::stSchnitt,
                            TsSkizzeTyp::stDornReihe, TsSkizzeTyp::stEingabe}) {
        QTemporaryDir ordner;
        const QString datei = ordner.filePath(QStringLiteral("skizze.svg"));
        EXPECT_EQ(SkizzeSpeichern(datei, Ausgabeformat::Svg,
                                  {modell, anwendung, farbe, typ, false, {600, 600}, ','}),
                  "");
        QFile svg(datei);
        EXPECT_TRUE(svg.open(QIODevice::ReadOnly));
        texte << SvgTexte(svg.readAll());
    }
    return texte;
}

// The texts of a drawing file, read in the file's code page.
QStringList DxfDateiTexte(const std::string& datei) {
    DXF_Message_Log meldungen;
    const DXF_Object gelesen = DXF_Object::create_from_file(datei, meldungen);
    QStringList texte;
    for (const auto& layer : gelesen.layer_lists)
        for (const auto& liste : layer->entity_lists)
            for (const auto& e : liste->entities)
                if (const auto* t = dynamic_cast<const Text_*>(e.get()))
                    texte << QString::fromStdString(t->textstr);
    return texte;
}

// The texts of a drawing as written to a file and read back.
QStringList DxfTexte(const DXF_Object& doc) {
    QTemporaryDir ordner;
    const std::string datei = ordner.filePath(QStringLiteral("z.dxf")).toStdString();
    doc.save_to_file(datei);
    return DxfDateiTexte(datei);
}

struct Lauf {
    int kennung;
    const char* name;
    const char* kopfzeile;      // the title of the proof, which shows that its pages were drawn translated
    const char* tabellentitel;  // the same for the capacity tables
};

// A main window in the language of the parameter, with its own settings file, the program's language module
// and Qt's own texts in that language.
class Sprachlauf : public Hauptmaske, public ::testing::WithParamInterface<Lauf> {
protected:
    void SetUp() override {
        ASSERT_TRUE(LadeSprachmodul(modul, QStringLiteral(ZAVR_PROGRAMM), GetParam().kennung));
        QApplication::installTranslator(&modul);
        if (LadeQtTexte(qtTexte, GetParam().kennung)) QApplication::installTranslator(&qtTexte);
        einstellungen.SchreibeZahl(QStringLiteral("IDSprache"), GetParam().kennung);
        umgebung.SetDezimaltrenner(',');
        fenster = std::make_unique<TfrmHauptMaske>(umgebung);
    }
    void TearDown() override {
        fenster.reset();
        QApplication::removeTranslator(&qtTexte);
        QApplication::removeTranslator(&modul);
    }

    void Pruefe(const QStringList& texte, const char* wo) {
        for (const QString& text : texte)
            EXPECT_TRUE(DeutscheWoerterIn(text).isEmpty())
                << GetParam().name << ", " << wo << ": \"" << text.toStdString() << "\" has German words "
                << DeutscheWoerterIn(text).join(QLatin1Char(' ')).toStdString();
    }

    QTranslator modul;
    QTranslator qtTexte;
};

TEST_P(Sprachlauf, fensterDialogeUndMenuesZeigenKeinDeutsch) {
    Pruefe(Fenstertexte(*fenster), "input mode");
    for (const char* fall : {"tbEinzel", "tbPaarPlatte", "tbPaarWand", "tbReiheWand", "tbReihePlatte"}) {
        Klick(fall);
        Pruefe(Fenstertexte(*fenster), fall);
    }
    Klick("btnBerechnen");
    ASSERT_TRUE(A().cErgebnisse.GetBerechnet());
    Pruefe(Fenstertexte(*fenster), "results overview");
    fenster->Ausfuehren(Befehl::Vorschau);
    Pruefe(Fenstertexte(*fenster), "preview");
    Pruefe(Hinweise(), "notices");
    TDXF_Anzeige_Form vorschau(fenster->Sitzung(), dialoge, ',', fenster.get());
    Pruefe(Fenstertexte(vorschau), "DXF preview");
}

TEST_P(Sprachlauf, nachweisSkizzenUndZeichnungenZeigenKeinDeutsch) {
    // A single dowel under a point load and a row on a wall under an arbitrary load: between them every
    // page of the proof and every sketch.
    QStringList zeichnungen;
    for (const auto& [fall, last] :
         {std::pair{"tbEinzel", "tbPunktlast"}, std::pair{"tbReiheWand", "tbbeliebigeLast"}}) {
        Klick(fall);
        Klick(last);
        Klick("btnBerechnen");
        ASSERT_TRUE(A().cErgebnisse.GetBerechnet()) << fall;
        const QStringList seiten = Nachweistexte(fenster->Modell(), A());
        EXPECT_FALSE(seiten.filter(QString::fromUtf8(GetParam().kopfzeile)).isEmpty())
            << seiten.join(QLatin1Char('|')).toStdString();
        Pruefe(seiten, "proof pages");
        Pruefe(Skizzentexte(fenster->Modell(), A()), "sketches");
        DXF_Object plan;
        std::string fehler;
        ASSERT_TRUE(BewehrungsZeichnung(A(), A().cErgebnisse.GetAktDorn(), umgebung, plan, fehler)) << fehler;
        const QStringList texte = DxfTexte(plan);
        Pruefe(texte, "reinforcement drawing");
        zeichnungen << texte;
    }
    for (TsDorn dorn : {TsDorn::ZAVR20HF, TsDorn::ZAVRQ450}) {
        const QStringList texte = DxfTexte(DornZeichnung(dorn, umgebung));
        Pruefe(texte, "dowel drawing");
        zeichnungen << texte;
    }
    // A Polish drawing keeps its Polish letters in the file: each word is there as Polish spells it, and
    // never in the bare letters a Windows-1252 file was once limited to.
    if (GetParam().kennung == 21) {
        const QString alle = zeichnungen.join(QLatin1Char('|'));
        for (const char* wort : {"ścinanego", "ścinany", "Pręt", "odległość od szczeliny",
                                 "zakotwić na długości", "Płyta kotwiąca", "środnik", "trzpień"})
            EXPECT_TRUE(alle.contains(QString::fromUtf8(wort))) << wort << ": " << alle.toStdString();
        for (const char* ohne : {"Pret ", "odleglosc", "scinan", "Plyta", "kotwiac", "dlugosci", "zakotwic",
                                 "srodnik", "trzpien "})
            EXPECT_FALSE(alle.contains(QString::fromLatin1(ohne))) << ohne;
    }
}

// The bill of quantities of a designed position: its dialog in list and preview mode, the printed pages of
// both documents and their 80-column text exports.
TEST_P(Sprachlauf, bedarfslisteZeigtKeinDeutsch) {
    Klick("btnBerechnen");
    Klick("btnBedarfsliste");
    ASSERT_EQ(fenster->Modell().cStueckliste.GetCountEintraege(), 1);
    TfrmStueckliste& dialog = fenster->Stueckliste();
    dialog.show();
    Pruefe(Fenstertexte(dialog), "bill of quantities");
    for (const char* knopf : {"btnStueckliste", "btnAusschreibung"}) {
        dialog.findChild<QPushButton*>(QString::fromLatin1(knopf))->click();
        Pruefe(Fenstertexte(dialog), knopf);
    }
    dialog.reject();
    QTemporaryDir ordner;
    for (Bedarfsdokument art : {Bedarfsdokument::Stueckliste, Bedarfsdokument::Ausschreibungstext}) {
        const QString datei = ordner.filePath(QStringLiteral("liste.svg"));
        ASSERT_EQ(BedarfslisteSpeichern(datei, Ausgabeformat::Svg, fenster->Modell(), art), "");
        QFile svg(datei);
        ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
        Pruefe(SvgTexte(svg.readAll()), "bill pages");
        QStringList zeilen;
        for (const std::string& zeile : BedarfslisteText(fenster->Modell(), art))
            zeilen << QString::fromStdString(zeile);
        Pruefe(zeilen, "bill text export");
    }
}

// The capacity tables: the dialog with its table (values, reasons and their tool tips), the CSV export and
// the printed pages, read back from the PDF.
TEST_P(Sprachlauf, tragfaehigkeitstabellenZeigenKeinDeutsch) {
    TfrmTragfaehigkeitstabellen dialog(fenster->Sitzung(), dialoge, fenster->Drucker(), fenster.get());
    dialog.findChild<QCheckBox*>(QStringLiteral("chkAbMindestdicke"))->setChecked(false);
    dialog.Berechnen();
    dialog.show();
    QStringList texte = Fenstertexte(dialog);
    auto* tabelle = dialog.findChild<QTableWidget*>(QStringLiteral("tblTragfaehigkeit"));
    for (int r = 0; r < tabelle->rowCount(); ++r)
        for (int s = 0; s < tabelle->columnCount(); ++s)
            if (const QTableWidgetItem* e = tabelle->item(r, s)) texte << e->text() << e->toolTip();
    Pruefe(texte, "capacity tables dialog");
    std::vector<Tabellenzelle> zellen;
    for (const Tabellenzelle& z : dialog.Zellen())
        if (z.punkt.dorn == TsDorn::ZAVR60HF) zellen.push_back(z);
    QStringList zeilen;
    for (const std::string& zeile : TabellenCsv(zellen, umgebung)) zeilen << QString::fromStdString(zeile);
    Pruefe(zeilen, "capacity tables CSV");
    QTemporaryDir ordner;
    const QString pdf = ordner.filePath(QStringLiteral("t.pdf"));
    ASSERT_EQ(AusgabeSchreiben(pdf, Ausgabeformat::Pdf,
                               TabellenInhalt(zellen, ProjektKopf(fenster->Modell()), ',')),
              "");
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    ASSERT_TRUE(pdftotext.waitForFinished());
    const QStringList seiten = QString::fromUtf8(pdftotext.readAllStandardOutput()).split(QLatin1Char('\n'));
    ASSERT_TRUE(seiten.join(QString()).contains(QString::fromUtf8(GetParam().tabellentitel)))
        << seiten.join(QLatin1Char('\n')).toStdString();
    Pruefe(seiten, "capacity table pages");
}

// The command-line tool in the language of the run: its help, messages and table, the proof of a position
// and of the project, both bill documents as pages and as text, the drawings, a sketch and a capacity table.
// The project is the window's own, so no German words of a user's project stand in it.
TEST_P(Sprachlauf, kommandozeileZeigtKeinDeutsch) {
    Klick("tbReiheWand");
    Klick("tbbeliebigeLast");
    Klick("btnBerechnen");
    ASSERT_TRUE(A().cErgebnisse.GetBerechnet());
    QTemporaryDir ordner;
    const QString projekt = ordner.filePath(QStringLiteral("p.ZAV"));
    ASSERT_TRUE(fenster->Sitzung().SpeichernUnter(projekt.toStdString()).ok);
    const QString sprache = GetParam().kennung == 21 ? QStringLiteral("pl") : QStringLiteral("en");
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(QStringLiteral("HOME"), ordner.path());
    umgebung.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const auto cli = [&](QStringList argumente, bool ok = true) {
        QProcess prozess;
        prozess.setProcessEnvironment(umgebung);
        prozess.setWorkingDirectory(ordner.path());
        argumente.prepend(sprache);
        argumente.prepend(QStringLiteral("--language"));
        prozess.start(QStringLiteral(ZAVR_CLI), argumente);
        EXPECT_TRUE(prozess.waitForFinished(120000));
        EXPECT_EQ(prozess.exitCode() == 0, ok) << argumente.join(QLatin1Char(' ')).toStdString();
        QStringList texte = QString::fromUtf8(prozess.readAllStandardOutput()).split(QLatin1Char('\n'));
        for (const QString& zeile :
             QString::fromUtf8(prozess.readAllStandardError()).split(QLatin1Char('\n')))
            if (!zeile.startsWith(QLatin1String("QStandardPaths:"))) texte << zeile;
        return texte;
    };
    const auto datei = [&](const char* name) {
        QFile f(ordner.filePath(QLatin1String(name)));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
        const QByteArray inhalt = f.readAll();
        // Text exports are Windows-1252 unless a letter needs UTF-8 (with its mark).
        return inhalt.startsWith("\xEF\xBB\xBF") ? QString::fromUtf8(inhalt) : QString::fromLatin1(inhalt);
    };
    const auto pdf = [&](const char* name) {
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"),
                        {ordner.filePath(QLatin1String(name)), QStringLiteral("-")});
        EXPECT_TRUE(pdftotext.waitForFinished());
        return QString::fromUtf8(pdftotext.readAllStandardOutput()).split(QLatin1Char('\n'));
    };

    QStringList hilfe = cli({QStringLiteral("--help")});
    for (const char* befehl : {"design", "dxf", "sketch", "report", "bill", "table"})
        hilfe << cli({QLatin1String(befehl), QStringLiteral("--help")});
    hilfe << cli({QStringLiteral("zeichne")}, false) << cli({QStringLiteral("report"), projekt}, false);
    Pruefe(hilfe, "command-line help and messages");
    Pruefe(cli({QStringLiteral("design"), projekt}), "command-line results table");
    cli({QStringLiteral("report"), projekt, QStringLiteral("-o"), QStringLiteral("n.pdf")});
    cli({QStringLiteral("report"), projekt, QStringLiteral("--all"), QStringLiteral("-o"),
         QStringLiteral("a.pdf")});
    const QStringList nachweis = pdf("n.pdf");
    EXPECT_FALSE(nachweis.filter(QString::fromUtf8(GetParam().kopfzeile)).isEmpty());
    Pruefe(nachweis + pdf("a.pdf"), "command-line proof");
    for (const char* art : {"parts-list", "tender-text"}) {
        const QStringList aufnahme{QStringLiteral("bill"),      projekt,
                                   QStringLiteral("--kind"),    QLatin1String(art),
                                   QStringLiteral("--add-all"), QStringLiteral("-o")};
        cli(aufnahme + QStringList{QStringLiteral("b.txt")});
        cli(aufnahme + QStringList{QStringLiteral("b.pdf")});
        Pruefe(datei("b.txt").split(QStringLiteral("\r\n")) + pdf("b.pdf"), "command-line bill");
    }
    cli({QStringLiteral("dxf"), QStringLiteral("reinforcement"), projekt, QStringLiteral("-o"),
         QStringLiteral("b.dxf")});
    cli({QStringLiteral("dxf"), QStringLiteral("dowel"), QStringLiteral("--type"),
         QStringLiteral("ZAVRQ 30 HF"), QStringLiteral("-o"), QStringLiteral("d.dxf")});
    for (const char* zeichnung : {"b.dxf", "d.dxf"}) {
        const QStringList texte = DxfDateiTexte(ordner.filePath(QLatin1String(zeichnung)).toStdString());
        EXPECT_FALSE(texte.isEmpty()) << zeichnung;
        Pruefe(texte, "command-line drawing");
    }
    cli({QStringLiteral("sketch"), projekt, QStringLiteral("--view"), QStringLiteral("all"),
         QStringLiteral("-o"), QStringLiteral("s.svg")});
    QFile svg(ordner.filePath(QStringLiteral("s.svg")));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    Pruefe(SvgTexte(svg.readAll()), "command-line sketch");
    const QStringList tabelle{QStringLiteral("table"),      QStringLiteral("--types"),
                              QStringLiteral("ZAVR 60 HF"), QStringLiteral("--h"),
                              QStringLiteral("20:24:2"),    QStringLiteral("-o")};
    cli(tabelle + QStringList{QStringLiteral("t.csv")});
    cli(tabelle + QStringList{QStringLiteral("t.pdf")});
    Pruefe(datei("t.csv").split(QStringLiteral("\r\n")) + pdf("t.pdf"), "command-line capacity table");
}

// Every translation of the catalogues, shown or not yet reached by the walk above. The reference documents
// keep their German file names: they are the maker's files.
TEST_P(Sprachlauf, katalogOhneDeutscheWoerter) {
    const QString katalog = QStringLiteral(ZAVR_SOURCE_DIR "/resources/uebersetzungen/zavr_%1.ts")
                                .arg(GetParam().kennung == 21 ? QStringLiteral("pl") : QStringLiteral("en"));
    const std::vector<Katalogeintrag> eintraege = KatalogLesen(katalog);
    EXPECT_GT(eintraege.size(), 400u);
    for (const Katalogeintrag& e : eintraege) {
        if (e.quelle.endsWith(QLatin1String(".pdf"))) continue;
        EXPECT_FALSE(e.uebersetzung.isEmpty()) << e.kontext.toStdString() << ": " << e.quelle.toStdString();
        EXPECT_TRUE(DeutscheWoerterIn(e.uebersetzung).isEmpty())
            << e.kontext.toStdString() << ": " << e.uebersetzung.toStdString();
    }
}

// The start window speaks the language it has selected, before the program loads that language for good.
TEST_P(Sprachlauf, startfensterInDerGewaehltenSprache) {
    QApplication::removeTranslator(&modul);
    TfrmSplash start(QStringLiteral(ZAVR_PROGRAMM), einstellungen);
    ASSERT_EQ(start.GewaehlteKennung(), GetParam().kennung);
    Pruefe(Fenstertexte(start), "start window");
    auto* knopf = start.findChild<QPushButton*>(QStringLiteral("btnWeiter"));
    const QString englisch = knopf->text();
    for (QAbstractButton* deutsch : start.Sprachgruppe()->findChildren<QAbstractButton*>())
        if (deutsch->text() == QLatin1String("Deutsch")) deutsch->click();
    EXPECT_EQ(knopf->text(), QStringLiteral("ZAVR Programm &starten"));
    EXPECT_NE(knopf->text(), englisch);
}

// Polish positions offer the Polish grades, named with the old Polish classes beside the EC2 ones.
TEST_P(Sprachlauf, polnischBietetDiePolnischenBetonklassen) {
    auto* guete = Kind<QComboBox>("cboxBetonguete");
    ASSERT_EQ(guete->count(), 7);
    const bool polnisch = GetParam().kennung == 21;
    EXPECT_EQ(guete->itemText(0), polnisch ? QStringLiteral("C20/25 (B25)") : QStringLiteral("C20/25"));
    EXPECT_EQ(guete->itemText(6), polnisch ? QStringLiteral("C50/60 (B60)") : QStringLiteral("C50/60"));
    guete->setCurrentIndex(2);
    emit guete->activated(2);
    EXPECT_EQ(A().GetBetonguete(), polnisch ? TsBetonguete::PB37 : TsBetonguete::C30_37);
}

INSTANTIATE_TEST_SUITE_P(
    EnglischUndPolnisch, Sprachlauf,
    ::testing::Values(Lauf{2057, "English", "Design calculation for", "Load capacity table ZAVR 60 HF"},
                      Lauf{21, "Polski", "Obliczenia statyczne dla", "Tablica nośności ZAVR 60 HF"}),
    [](const auto& info) { return std::string(info.param.name); });

// The word list itself: it finds German and lets the two other languages pass.
TEST(DeutscheWoerter, erkenntDeutschUndLaesstEnglischUndPolnischDurch) {
    EXPECT_EQ(DeutscheWoerterIn(QStringLiteral("Plattendicke")), QStringList{QStringLiteral("plattendicke")});
    EXPECT_EQ(DeutscheWoerterIn(QStringLiteral("Edge distance (gem. Zulassung)")),
              QStringList{QStringLiteral("zulassung")});
    EXPECT_EQ(DeutscheWoerterIn(QStringLiteral("Größe")), QStringList{QStringLiteral("größe")});
    for (const char* text :
         {"Slab thickness", "Grubość płyty", "Otulina górna", "Position 1: C20/25 (B25)", "Projekt", "Beton"})
        EXPECT_TRUE(DeutscheWoerterIn(QString::fromUtf8(text)).isEmpty()) << text;
}

}  // namespace
