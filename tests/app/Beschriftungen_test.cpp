// In each language every menu and window keeps its accelerator letters apart, and no caption is cut: not
// in a window (a label, button or column narrower than its text) and not on a page or picture the program
// draws (a text beyond its page column or picture, or over another text).

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTextDocumentFragment>
#include <QTranslator>
#include <QTreeWidget>
#include <QtMath>
#include <map>
#include <memory>

#include "app/DialogSkript.h"
#include "app/Dialogdienst.h"
#include "app/HauptmaskeTest.h"
#include "app/Hilfe.h"
#include "app/Katalogdatei.h"
#include "app/Sprachmodule.h"
#include "app/TDXF_Anzeige_Form.h"
#include "app/Textaufnahme.h"
#include "app/TfrmHilfe.h"
#include "app/TfrmSplash.h"
#include "app/TfrmStueckliste.h"
#include "app/TfrmTragfaehigkeitstabellen.h"
#include "app/TfrmZoom.h"
#include "model/Typen.h"
#include "output/Berechnungsnachweis.h"
#include "output/Seitenlayout.h"
#include "output/Skizzenzeichner.h"
#include "output/TKFarbe.h"

namespace {

// The letter after the single "&" of a caption, lower case; nothing without one.
QChar Kuerzel(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) continue;
        if (text[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return {};
}

QString OhneKuerzel(QString text) {
    return text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
}

// The letters used more than once among the captions, each with the captions that share it.
QStringList Doppelte(const QStringList& beschriftungen, const QString& wo) {
    std::map<QChar, QStringList> nach;
    for (const QString& text : beschriftungen)
        if (const QChar k = Kuerzel(text); !k.isNull()) nach[k] << text;
    QStringList doppelt;
    for (const auto& [buchstabe, texte] : nach)
        if (texte.size() > 1) doppelt << wo + QStringLiteral(": ") + texte.join(QStringLiteral(" / "));
    return doppelt;
}

// The captions with an accelerator that a window offers at once: its visible buttons, labels with a
// buddy, group boxes and tabs, and for a main window the titles of its menus.
QStringList Fensterkuerzel(QWidget& fenster) {
    QStringList texte;
    for (QWidget* w : fenster.findChildren<QWidget*>()) {
        if (w->window() != &fenster || !w->isVisibleTo(&fenster)) continue;
        if (auto* knopf = qobject_cast<QAbstractButton*>(w)) texte << knopf->text();
        if (auto* label = qobject_cast<QLabel*>(w); label && label->buddy()) texte << label->text();
        if (auto* gruppe = qobject_cast<QGroupBox*>(w)) texte << gruppe->title();
        if (auto* reiter = qobject_cast<QTabBar*>(w))
            for (int i = 0; i < reiter->count(); ++i) texte << reiter->tabText(i);
        if (auto* leiste = qobject_cast<QMenuBar*>(w))
            for (QAction* a : leiste->actions()) texte << a->text();
    }
    return texte;
}

QStringList Menuekuerzel(const QMenu& menue) {
    QStringList texte;
    for (QAction* a : menue.actions())
        if (a->isVisible() && !a->isSeparator()) texte << a->text();
    return texte;
}

// Clashes in a window and in every menu it owns.
QStringList Kuerzelkonflikte(QWidget& fenster) {
    QStringList konflikte = Doppelte(Fensterkuerzel(fenster), fenster.objectName());
    for (const QMenu* menue : fenster.findChildren<QMenu*>())
        konflikte << Doppelte(Menuekuerzel(*menue),
                              fenster.objectName() + QStringLiteral(" menu ") + OhneKuerzel(menue->title()));
    return konflikte;
}

bool NurZumLesen(const QWidget& w) {
    if (const auto* memo = qobject_cast<const QPlainTextEdit*>(&w)) return memo->isReadOnly();
    if (const auto* memo = qobject_cast<const QTextEdit*>(&w)) return memo->isReadOnly();
    return false;
}

QString Textanfang(const QWidget& w) {
    if (const auto* memo = qobject_cast<const QPlainTextEdit*>(&w)) return memo->toPlainText().left(40);
    if (const auto* memo = qobject_cast<const QTextEdit*>(&w)) return memo->toPlainText().left(40);
    return {};
}

// Captions narrower than their text in a shown window: a label, button or group box narrower than it asks
// for, a column narrower than its title, an entry of a list of topics wider than its list; a wrapped label
// lower than its lines, read-only text that scrolls sideways or hides lines without a scroll bar.
QStringList Abgeschnitten(QWidget& fenster) {
    QStringList kurz;
    const auto melde = [&](const QWidget* w, const QString& text, int hat, int braucht) {
        kurz << QStringLiteral("%1 %2 \"%3\": %4 of %5 px")
                    .arg(fenster.objectName(), w->objectName(), text)
                    .arg(hat)
                    .arg(braucht);
    };
    for (QWidget* w : fenster.findChildren<QWidget*>()) {
        if (w->window() != &fenster || !w->isVisibleTo(&fenster)) continue;
        if (auto* label = qobject_cast<QLabel*>(w); label && !label->wordWrap() && !label->text().isEmpty() &&
                                                    label->pixmap().isNull() &&
                                                    label->width() < label->sizeHint().width())
            melde(w, label->text(), label->width(), label->sizeHint().width());
        if (auto* label = qobject_cast<QLabel*>(w);
            label && label->wordWrap() && label->heightForWidth(label->width()) > label->height())
            melde(w, label->text(), label->height(), label->heightForWidth(label->width()));
        if (auto* flaeche = qobject_cast<QAbstractScrollArea*>(w); flaeche && NurZumLesen(*w))
            for (const QScrollBar* leiste : {flaeche->horizontalScrollBar(), flaeche->verticalScrollBar()}) {
                // Read-only text scrolls at most downwards, and only where a scroll bar can show it.
                const bool erlaubt = leiste->orientation() == Qt::Vertical &&
                                     flaeche->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff;
                if (leiste->maximum() > 0 && !erlaubt)
                    melde(w, Textanfang(*w), leiste->pageStep(), leiste->pageStep() + leiste->maximum());
            }
        if (auto* knopf = qobject_cast<QAbstractButton*>(w); knopf && !knopf->text().isEmpty()) {
            // A push button's size hint holds a minimum width beyond its text: compare the text with the
            // part of the button the style draws it in.
            int hat = knopf->width();
            int braucht = knopf->sizeHint().width();
            if (qobject_cast<QPushButton*>(w)) {
                QStyleOptionButton option;
                option.initFrom(knopf);
                option.text = knopf->text();
                hat = knopf->style()->subElementRect(QStyle::SE_PushButtonContents, &option, knopf).width();
                braucht = knopf->fontMetrics().horizontalAdvance(OhneKuerzel(knopf->text()));
            }
            if (hat < braucht) melde(w, knopf->text(), hat, braucht);
        }
        if (auto* gruppe = qobject_cast<QGroupBox*>(w);
            gruppe && gruppe->width() < gruppe->minimumSizeHint().width())
            melde(w, gruppe->title(), gruppe->width(), gruppe->minimumSizeHint().width());
        if (auto* kopf = qobject_cast<QHeaderView*>(w);
            kopf && kopf->model() && kopf->isVisible() && kopf->orientation() == Qt::Horizontal)
            for (int s = 0; s < kopf->count(); ++s) {
                // Titles padded with blanks (the bill of quantities) need only their words.
                QString titel = kopf->model()->headerData(s, kopf->orientation()).toString().trimmed();
                if (Qt::mightBeRichText(titel)) titel = QTextDocumentFragment::fromHtml(titel).toPlainText();
                const int braucht = kopf->fontMetrics().horizontalAdvance(titel) +
                                    2 * kopf->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, kopf);
                if (!kopf->isSectionHidden(s) && kopf->sectionSize(s) > 0 && kopf->sectionSize(s) < braucht)
                    melde(w, titel, kopf->sectionSize(s), braucht);
            }
        if (auto* memo = qobject_cast<QPlainTextEdit*>(w);
            memo && memo->lineWrapMode() == QPlainTextEdit::NoWrap)
            for (const QString& zeile : memo->toPlainText().split(QLatin1Char('\n'))) {
                const int braucht = memo->fontMetrics().horizontalAdvance(zeile) +
                                    2 * qCeil(memo->document()->documentMargin());
                if (memo->viewport()->width() < braucht) melde(w, zeile, memo->viewport()->width(), braucht);
            }
        if (auto* liste = qobject_cast<QTreeWidget*>(w); liste && liste->isHeaderHidden()) {
            const int braucht = static_cast<const QAbstractItemView*>(liste)->sizeHintForColumn(0);
            if (liste->columnWidth(0) < braucht)
                melde(w, liste->topLevelItemCount() > 0 ? liste->topLevelItem(0)->text(0) : QString(),
                      liste->columnWidth(0), braucht);
        }
    }
    return kurz;
}

// Texts of a page or picture that leave the area from `links` to `rechts` (device pixels), and texts that
// overlap on it.
QStringList Ausserhalb(const std::vector<Gezeichneter>& texte, double links, double rechts,
                       const QString& wo) {
    QStringList fehler;
    for (const Gezeichneter& t : texte)
        if (t.box.left() < links - 0.5 || t.box.right() > rechts + 0.5)
            fehler << QStringLiteral("%1: \"%2\" from %3 to %4 px, room %5 to %6")
                          .arg(wo, t.text)
                          .arg(t.box.left())
                          .arg(t.box.right())
                          .arg(links)
                          .arg(rechts);
    return fehler;
}

QStringList Ueberlappend(const std::vector<Gezeichneter>& texte, const QString& wo) {
    QStringList fehler;
    for (std::size_t i = 0; i < texte.size(); ++i)
        for (std::size_t j = i + 1; j < texte.size(); ++j) {
            // Boxes include the line's descent and ascent; texts that share more than a sliver overlap.
            const QRectF gemeinsam = texte[i].box.intersected(texte[j].box);
            if (gemeinsam.width() > 1 && gemeinsam.height() > texte[i].box.height() / 3)
                fehler << QStringLiteral("%1: \"%2\" over \"%3\"").arg(wo, texte[i].text, texte[j].text);
        }
    return fehler;
}

struct Sprachfall {
    int kennung;
    const char* name;
};

// The main window and its dialogs in the language of the parameter, as in Sprachlauf_test.cpp.
class Beschriftungen : public Hauptmaske, public ::testing::WithParamInterface<Sprachfall> {
protected:
    void SetUp() override {
        ASSERT_TRUE(LadeSprachmodul(modul, QStringLiteral(ZAVR_PROGRAMM), GetParam().kennung));
        QApplication::installTranslator(&modul);
        if (LadeQtTexte(qtTexte, GetParam().kennung)) QApplication::installTranslator(&qtTexte);
        einstellungen.SchreibeZahl(QStringLiteral("IDSprache"), GetParam().kennung);
        umgebung.SetDezimaltrenner(GetParam().kennung == 2057 ? '.' : ',');
        fenster = std::make_unique<TfrmHauptMaske>(umgebung);
    }
    void TearDown() override {
        fenster.reset();
        QApplication::removeTranslator(&qtTexte);
        QApplication::removeTranslator(&modul);
    }

    // The windows a user reaches from the main window, each once.
    template <typename Pruefung>
    void JedesFenster(Pruefung pruefe) {
        pruefe(*fenster);
        for (QDialog* dialog : fenster->findChildren<QDialog*>(Qt::FindDirectChildrenOnly)) pruefe(*dialog);
        const TKFarbe farbe;
        TfrmZoom zoom(fenster->Sitzung(), farbe, dialoge, fenster.get());
        pruefe(zoom);
        TDXF_Anzeige_Form vorschau(fenster->Sitzung(), dialoge, ',', fenster.get());
        pruefe(vorschau);
        TfrmTragfaehigkeitstabellen tabellen(fenster->Sitzung(), dialoge, fenster->Drucker(), fenster.get());
        pruefe(tabellen);
        TfrmSplash start(QStringLiteral(ZAVR_PROGRAMM), einstellungen);
        pruefe(start);
        // The help window with the pages the program ships in the language (the main window's own one
        // has none beside the test program).
        TfrmHilfe hilfe(Hilfe::FuerProgramm(QStringLiteral(ZAVR_PROGRAMM), GetParam().kennung),
                        fenster.get());
        pruefe(hilfe);
    }

    QTranslator modul;
    QTranslator qtTexte;
};

// The German captions are the program's own texts and stay as they are; six of them share a letter with
// another caption of their window. English and Polish have no such pair.
const QStringList DeutscheVorgaben{QStringLiteral("frmHauptMaske: &beliebig / &Berechnen"),
                                   QStringLiteral("frmHauptMaske: E&xportieren / E&xport"),
                                   QStringLiteral("frmHauptMaske: zu Bedarfsliste &hinzufügen / &Hilfe"),
                                   QStringLiteral("frmStueckliste: Position &löschen / &Liste"),
                                   QStringLiteral("frmStueckliste: &ZW Ablage / &Zurück"),
                                   QStringLiteral("frmbeliebigeLast: &Hilfe / &Hinzufügen")};

TEST_P(Beschriftungen, keinKuerzelDoppeltInMenueOderFenster) {
    QStringList konflikte;
    JedesFenster([&](QWidget& w) { konflikte << Kuerzelkonflikte(w); });
    // The results view and the preview show other buttons than the input view; the bill of quantities has two
    // modes.
    Klick("btnBerechnen");
    ASSERT_TRUE(A().cErgebnisse.GetBerechnet());
    konflikte << Kuerzelkonflikte(*fenster);
    Klick("btnBedarfsliste");
    TfrmStueckliste& liste = fenster->Stueckliste();
    liste.findChild<QPushButton*>(QStringLiteral("btnStueckliste"))->click();
    konflikte << Kuerzelkonflikte(liste);
    fenster->Ausfuehren(Befehl::Vorschau);
    konflikte << Kuerzelkonflikte(*fenster);
    konflikte.removeDuplicates();
    if (GetParam().kennung == 1031) {
        for (const QString& vorgabe : DeutscheVorgaben)
            EXPECT_EQ(konflikte.removeAll(vorgabe), 1) << vorgabe.toStdString();
    }
    EXPECT_TRUE(konflikte.isEmpty()) << GetParam().name << ":\n"
                                     << konflikte.join(QLatin1Char('\n')).toStdString();
}

TEST_P(Beschriftungen, fensterZeigenJedeBeschriftungGanz) {
    QStringList kurz;
    const auto gezeigt = [&](QWidget& w) {
        w.show();
        // Texts set while showing (the economical dowel) lay the window out again.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        kurz << Abgeschnitten(w);
        w.hide();
    };
    Klick("btnBerechnen");
    Klick("btnBedarfsliste");
    JedesFenster(gezeigt);
    EXPECT_TRUE(kurz.isEmpty()) << GetParam().name << ":\n" << kurz.join(QLatin1Char('\n')).toStdString();
}

// The longest message of the language's catalogue (in German its longest source text): every notice the
// program shows is one of its messages.
QString LaengsteMeldung(int kennung) {
    const QString sprache = kennung == 1031 ? QStringLiteral("de")
                            : kennung == 21 ? QStringLiteral("pl")
                                            : QStringLiteral("en");
    QString laengste;
    for (const Katalogeintrag& e :
         KatalogLesen(QStringLiteral(ZAVR_SOURCE_DIR "/resources/uebersetzungen/zavr_%1.ts").arg(sprache))) {
        const QString& text = kennung == 1031 ? e.quelle : e.uebersetzung;
        if (text.size() > laengste.size()) laengste = text;
    }
    return laengste;
}

// Each kind of message box shows the longest message of the language whole, and so does one that names a
// file deep in folders, whose path has no place to break: the text wraps, the box stays on the screen.
TEST_P(Beschriftungen, meldungenZeigenIhrenTextGanz) {
    const QString meldung = LaengsteMeldung(GetParam().kennung);
    ASSERT_GT(meldung.size(), 500);
    const QString pfad =
        QStringLiteral("/home/planer/") +
        QStringList(8, QStringLiteral("Bauvorhaben_Halle_3_Dehnfuge")).join(QLatin1Char('/')) +
        QStringLiteral("/Halle.ZAV");
    QtDialogdienst dienst;
    QWidget* ueber = fenster.get();
    const std::pair<const char*, std::function<void(const QString&)>> arten[] = {
        {"Hinweis", [&](const QString& t) { dienst.Hinweis(ueber, t); }},
        {"Frage", [&](const QString& t) { dienst.Frage(ueber, t); }},
        {"FrageMitAbbrechen", [&](const QString& t) { dienst.FrageMitAbbrechen(ueber, t); }},
        {"Bestaetigung", [&](const QString& t) { dienst.Bestaetigung(ueber, t); }},
    };
    const QRect bildschirm = QGuiApplication::primaryScreen()->availableGeometry();
    for (const auto& [art, zeige] : arten)
        for (const QString& text : {meldung, meldung + QStringLiteral("\n\n") + pfad}) {
            SCOPED_TRACE(art);
            QStringList kurz;
            QString gezeigt;
            QRect rahmen;
            DialogBeantworter beantworter([&](QDialog& box) {
                kurz << Abgeschnitten(box);
                gezeigt = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->text();
                rahmen = box.frameGeometry();
            });
            zeige(text);
            EXPECT_EQ(beantworter.geoeffnet.size(), 1);
            EXPECT_EQ(gezeigt, text);
            EXPECT_TRUE(kurz.isEmpty()) << GetParam().name << ":\n"
                                        << kurz.join(QLatin1Char('\n')).toStdString();
            EXPECT_LE(rahmen.width(), bildschirm.width());
        }
}

// The proof pages of a single dowel and of a row under an arbitrary load: each text within the page's
// frame, none over another.
TEST_P(Beschriftungen, nachweisseitenHaltenIhreSpalten) {
    for (const auto& [fall, last] :
         {std::pair{"tbEinzel", "tbPunktlast"}, std::pair{"tbReiheWand", "tbbeliebigeLast"},
          std::pair{"tbReihePlatte", "tbLinienlast"}}) {
        Klick(fall);
        Klick(last);
        Klick("btnBerechnen");
        ASSERT_TRUE(A().cErgebnisse.GetBerechnet()) << fall;
        const TKFarbe farbe;
        const Berechnungsnachweis nachweis(fenster->Modell(), A(), farbe);
        const QSize a4(794, 1123);
        Textaufnahme messung(a4);
        std::vector<Nachweisseite> seiten;
        {
            QPainter canvas(&messung);
            seiten = nachweis.Seiten(
                Seitenlayout(canvas, SeitenmasseSetzen(StandardSeite()), Ausgabeziel::Bildschirm));
        }
        for (int i = 0; i < static_cast<int>(seiten.size()); ++i) {
            Textaufnahme seite(a4);
            QPainter canvas(&seite);
            const Seitenmasse masse = SeitenmasseSetzen(StandardSeite());
            const Seitenlayout layout(canvas, masse, Ausgabeziel::Bildschirm);
            nachweis.SeiteZeichnen(canvas, layout, seiten[static_cast<std::size_t>(i)],
                                   {i + 1, static_cast<int>(seiten.size())});
            canvas.end();
            const QString wo = QStringLiteral("%1 %2, page %3").arg(GetParam().name, fall).arg(i + 1);
            EXPECT_GT(seite.Texte().size(), 20u) << wo.toStdString();
            QStringList fehler =
                Ausserhalb(seite.Texte(), layout.X(masse.L - 0.2), layout.X(masse.W - masse.R + 0.2), wo);
            fehler << Ueberlappend(seite.Texte(), wo);
            EXPECT_TRUE(fehler.isEmpty()) << fehler.join(QLatin1Char('\n')).toStdString();
        }
    }
}

// The reinforcement dialog's pictures: the intermediate result panel and the joint-face sketch with its
// title, each within its picture.
TEST_P(Beschriftungen, bewehrungsbilderHaltenIhreBreite) {
    Klick("btnBerechnen");
    const TKDornErgebnis& ergebnis = A().cErgebnisse.cDornErgebnis[Ord(A().cErgebnisse.GetAktDorn())];
    Textaufnahme panel(QSize(190, 80));
    {
        QPainter canvas(&panel);
        ZwischenergebnisBewehrung(canvas, ergebnis, ',');
    }
    QStringList fehler = Ausserhalb(panel.Texte(), 0, 190, QStringLiteral("intermediate result panel"));
    Textaufnahme skizze(QSize(330, 190));
    {
        QPainter canvas(&skizze);
        const TKFarbe farbe;
        Skizzenzeichner zeichner(canvas, farbe, ',');
        zeichner.SkizzeAnsicht({0, 0, 330, 190}, A());
    }
    std::vector<Gezeichneter> titel;
    for (const Gezeichneter& t : skizze.Texte())
        if (t.text.size() > 12)
            titel.push_back(t);  // the dimension texts are short and may stand at the edge
    ASSERT_FALSE(titel.empty());
    fehler << Ausserhalb(titel, 0, 330, QStringLiteral("joint-face sketch"));
    EXPECT_TRUE(fehler.isEmpty()) << GetParam().name << ":\n" << fehler.join(QLatin1Char('\n')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(JedeSprache, Beschriftungen,
                         ::testing::Values(Sprachfall{1031, "Deutsch"}, Sprachfall{2057, "English"},
                                           Sprachfall{21, "Polski"}),
                         [](const auto& info) { return std::string(info.param.name); });

// The checks themselves: they find what they look for.
TEST(Beschriftungspruefung, findetDoppelteKuerzelUndUeberlappendeTexte) {
    EXPECT_EQ(Doppelte({QStringLiteral("&Drucken"), QStringLiteral("&Datei"), QStringLiteral("Spei&chern"),
                        QStringLiteral("A && B")},
                       QStringLiteral("m")),
              QStringList{QStringLiteral("m: &Drucken / &Datei")});
    const std::vector<Gezeichneter> texte{{QStringLiteral("Längsbewehrung"), QRectF(0, 0, 100, 12), 10},
                                          {QStringLiteral("Pos. A"), QRectF(90, 0, 40, 12), 10},
                                          {QStringLiteral("Bügel"), QRectF(0, 14, 40, 12), 10}};
    EXPECT_EQ(Ueberlappend(texte, QStringLiteral("s")).size(), 1);
    EXPECT_EQ(Ausserhalb(texte, 0, 120, QStringLiteral("s")).size(), 1);
}

// A wrapped label too low for its lines, read-only text that scrolls sideways and read-only text that hides
// lines without a scroll bar are found (the sideways one by its line and by its scroll bar); the same
// texts with room are not.
TEST(Beschriftungspruefung, findetAbgeschnitteneMeldungen) {
    const QString text = QStringList(40, QStringLiteral("Dornabstand")).join(QLatin1Char(' '));
    const auto gefunden = [&](bool eng) {
        QWidget fenster;
        auto* label = new QLabel(text, &fenster);
        label->setWordWrap(true);
        auto* seitlich = new QPlainTextEdit(text, &fenster);
        seitlich->setLineWrapMode(QPlainTextEdit::NoWrap);
        auto* ohneLeiste = new QPlainTextEdit(text, &fenster);
        ohneLeiste->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        for (QPlainTextEdit* memo : {seitlich, ohneLeiste}) memo->setReadOnly(true);
        label->setGeometry(0, 0, 300, eng ? 20 : label->heightForWidth(300));
        seitlich->setGeometry(0, 0, eng ? 300 : 4000, 60);
        ohneLeiste->setGeometry(0, 0, 300, eng ? 30 : 600);
        fenster.show();
        QCoreApplication::sendPostedEvents();
        return Abgeschnitten(fenster).size();
    };
    EXPECT_EQ(gefunden(true), 4);
    EXPECT_EQ(gefunden(false), 0);
}

}  // namespace
