#include "app/Ergebnisliste.h"

#include <QPainter>
#include <algorithm>

#include "app/Bildquellen.h"
#include "app/Textlisten.h"
#include "model/Katalog.h"
#include "model/TKErgebnisse.h"
#include "model/Zahlentext.h"

namespace {

struct Spalte {
    const char* griechisch;  // Greek letter of the header, empty for plain captions
    const char* hinweis;
    int breite;
    int minimum;
    int maximum;
};

// The name column is a little wider than the classic 110 so that "ZAVRQ 120 HF" fits beside its status icon.
constexpr std::array<Spalte, 6> spalten{{
    {"", "", 120, 90, 150},
    {"η", "Ausnutzungsgrad der Stahltragfähigkeit", 50, 30, 150},
    {"η", "Ausnutzungsgrad der Durchstanztragfähigkeit", 50, 30, 150},
    {"η", "Ausnutzungsgrad des Betonkantenbruchs", 50, 30, 150},
    {"ν", "Anzahl der Dorne", 30, 30, 150},
    {"", "", 0, 0, 0},
}};

}  // namespace

int ZeileVon(TsDorn dorn) {
    return static_cast<int>(std::find(Zeilenfolge.begin(), Zeilenfolge.end(), Ord(dorn)) -
                            Zeilenfolge.begin());
}

TsDorn DornInZeile(int zeile) {
    return static_cast<TsDorn>(Zeilenfolge.at(static_cast<std::size_t>(zeile)));
}

Ergebniskopf::Ergebniskopf(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}

void Ergebniskopf::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    const char* griechisch = logicalIndex >= 0 && logicalIndex < static_cast<int>(spalten.size())
                                 ? spalten[static_cast<std::size_t>(logicalIndex)].griechisch
                                 : "";
    if (*griechisch == 0) {
        QHeaderView::paintSection(painter, rect, logicalIndex);
        return;
    }
    QStyleOptionHeader option;
    initStyleOption(&option);
    option.rect = rect;
    option.section = logicalIndex;
    option.text.clear();
    painter->save();
    style()->drawControl(QStyle::CE_Header, &option, painter, this);
    painter->restore();
    // The style leaves an empty clip behind when it has no label to draw.
    painter->save();
    painter->setClipRect(rect);
    const QString buchstabe = QString::fromUtf8(griechisch);
    const QString index = model()->headerData(logicalIndex, orientation()).toString();
    const QFontMetrics metrik(painter->font());
    const int x = rect.left() + 4;
    const int grundlinie = rect.top() + (rect.height() + metrik.ascent() - metrik.descent()) / 2 - 2;
    painter->setPen(palette().color(QPalette::ButtonText));
    painter->drawText(x, grundlinie, buchstabe);
    painter->drawText(x + metrik.horizontalAdvance(buchstabe), grundlinie + 4, index);
    painter->restore();
}

Ergebnisliste::Ergebnisliste(char dezimaltrenner, QWidget* parent)
    : QTreeWidget(parent), trenner_(dezimaltrenner) {
    setObjectName(QStringLiteral("lvLastErgebnis"));
    setToolTip(tr("Übersicht der Berechung"));
    setStatusTip(tr("Übersicht der Berechnungsergebnisse"));
    setHeader(new Ergebniskopf(this));
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setColumnCount(static_cast<int>(spalten.size()));
    setHeaderLabels(Textliste(TextListe::ErgebnisSpalten));
    header()->setStretchLastSection(true);
    header()->setMinimumSectionSize(30);
    for (int i = 0; i < static_cast<int>(spalten.size()); ++i) {
        const auto& spalte = spalten[static_cast<std::size_t>(i)];
        if (*spalte.hinweis) headerItem()->setToolTip(i, tr(spalte.hinweis));
        if (spalte.breite > 0) setColumnWidth(i, spalte.breite);
    }
    connect(header(), &QHeaderView::sectionResized, this,
            [this](int spalte, int, int breite) { BegrenzeSpalte(spalte, breite); });
    connect(this, &QTreeWidget::itemSelectionChanged, this, [this] {
        const auto gewaehlt = selectedItems();
        if (!gewaehlt.isEmpty()) emit dornGewaehlt(DornInZeile(indexOfTopLevelItem(gewaehlt.front())));
    });
}

void Ergebnisliste::BegrenzeSpalte(int spalte, int breite) {
    if (spalte < 0 || spalte >= static_cast<int>(spalten.size()) - 1) return;
    const auto& grenzen = spalten[static_cast<std::size_t>(spalte)];
    const int erlaubt = std::clamp(breite, grenzen.minimum, grenzen.maximum);
    if (erlaubt != breite) header()->resizeSection(spalte, erlaubt);
}

QString Ergebnisliste::Ausnutzung(double ist, double widerstand) const {
    return QString::fromStdString(AusnutzungText(ist, widerstand, trenner_));
}

void Ergebnisliste::ErgebnisUebersichtAnzeigen(const TKErgebnisse& ergebnisse) {
    clear();
    const QStringList status = Textliste(TextListe::StatusKurz);
    for (const int ordinal : Zeilenfolge) {
        const auto dorn = static_cast<TsDorn>(ordinal);
        const auto& ergebnis = ergebnisse.cDornErgebnis[static_cast<std::size_t>(ordinal)];
        const int code = ergebnis.GetStatus();
        auto* zeile = new QTreeWidgetItem(this);
        zeile->setText(0, QString::fromStdString(DornName(dorn)));
        zeile->setIcon(0, StatusSymbol(code));
        zeile->setText(1, Ausnutzung(ergebnis.GetVRdIst(), ergebnis.GetVRds()));
        zeile->setText(2, Ausnutzung(ergebnis.GetVRdIst(), ergebnis.GetVRdct()));
        zeile->setText(3, Ausnutzung(ergebnis.GetVRdIst(), ergebnis.GetVRdce()));
        zeile->setText(4, QString::number(ergebnisse.GetAnzDorn(dorn)));
        zeile->setText(5, code < status.size() ? status[code] : QString());
        for (int spalte = 1; spalte <= 4; ++spalte)
            zeile->setTextAlignment(spalte, Qt::AlignRight | Qt::AlignVCenter);
    }
    auto* aktuell = topLevelItem(ZeileVon(ergebnisse.GetAktDorn()));
    setCurrentItem(aktuell);
    scrollToItem(aktuell, QAbstractItemView::PositionAtTop);
}
