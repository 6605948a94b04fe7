#include "app/Ergebnisliste.h"

#include <QPainter>
#include <algorithm>

#include "app/Bildquellen.h"
#include "model/Katalog.h"
#include "model/TKAnwendung.h"
#include "output/Textlisten.h"
#include "sitzung/Ergebniszeilen.h"

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
    {"η", QT_TRANSLATE_NOOP("Ergebnisliste", "Ausnutzungsgrad der Stahltragfähigkeit"), 50, 30, 150},
    {"η", QT_TRANSLATE_NOOP("Ergebnisliste", "Ausnutzungsgrad der Durchstanztragfähigkeit"), 50, 30, 150},
    {"η", QT_TRANSLATE_NOOP("Ergebnisliste", "Ausnutzungsgrad des Betonkantenbruchs"), 50, 30, 150},
    {"ν", QT_TRANSLATE_NOOP("Ergebnisliste", "Anzahl der Dorne"), 30, 30, 150},
    {"", "", 0, 0, 0},
}};

}  // namespace

int ZeileVon(TsDorn dorn) {
    const std::vector<TsDorn>& folge = Katalog().Zeilenfolge();
    return static_cast<int>(std::find(folge.begin(), folge.end(), dorn) - folge.begin());
}

TsDorn DornInZeile(int zeile) {
    return Katalog().Zeilenfolge().at(static_cast<std::size_t>(zeile));
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

Ergebnisliste::Ergebnisliste(const Umgebung& umgebung, QWidget* parent)
    : QTreeWidget(parent), umgebung_(umgebung) {
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

void Ergebnisliste::ErgebnisUebersichtAnzeigen(const TKAnwendung& anwendung) {
    clear();
    for (const Ergebniszeile& z : Ergebniszeilen(anwendung, umgebung_)) {
        auto* zeile = new QTreeWidgetItem(this);
        zeile->setText(0, QString::fromStdString(z.name));
        zeile->setIcon(0, StatusSymbol(z.status));
        for (const auto& [spalte, text] : {std::pair{1, &z.etaS}, {2, &z.etaCt}, {3, &z.etaCe}}) {
            zeile->setText(spalte, QString::fromStdString(*text));
            zeile->setTextAlignment(spalte, Qt::AlignRight | Qt::AlignVCenter);
        }
        zeile->setText(4, QString::number(z.anzahl));
        zeile->setTextAlignment(4, Qt::AlignRight | Qt::AlignVCenter);
        zeile->setText(5, QString::fromStdString(z.bemerkung));
    }
    auto* aktuell = topLevelItem(ZeileVon(anwendung.cErgebnisse.GetAktDorn()));
    setCurrentItem(aktuell);
    scrollToItem(aktuell, QAbstractItemView::PositionAtTop);
}
