#include "app/TfrmHinweis5d.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QtMath>
#include <algorithm>

#include "app/Zahleingabe.h"

namespace {

const QString SchluesselHinweis = QStringLiteral("InfoHinweis5d");

QString Hinweistext() {
    return QObject::tr(
        "Die vorliegende Berechnung wurde mit der Option \"unbegrenzt\" durchgeführt, daher können die \n"
        "Dornabstände größer sein als 5* Plattendicke.\n"
        "Die Durchlaufwirkung der Belastung in der Fuge muss vom Planer separat geprüft werden!\n"
        "\n"
        "Grundlage der Bemessung ist, alle Dorne werden mit der gleichen Last beaufschlagt.\n"
        "Daraus ergeben sich unterschiedliche Dornabstände in Abhängigkeit vom Querkraftverlauf in \n"
        "der Fuge.\n"
        "\n"
        "Um linienartige Auflagerung zu realisieren, wird empfohlen, einen Achsabstand der Dorne von \n"
        "5 * Plattendicke nicht zu überschreiten.\n"
        "\n"
        "Das Programm bietet Ihnen die Möglichkeit einer automatischen Beschränkung des \n"
        "Dornabstandes unter Optionen - Bemessung:\n"
        "\n"
        "     •  5 * Plattendicke - gleiche Belastung aller Dorne\n"
        "     •  5 * Plattendicke - einfügen konstruktiver Dorn (im Bereich der großen Dornabstände)\n"
        "\n"
        "Die wirtschaftlichere Variante ist abhängig vom Querkraftverlauf in der Fuge und kann nicht \n"
        "vorhergesagt werden.");
}

}  // namespace

TfrmHinweis5d::TfrmHinweis5d(Anwendereinstellungen einstellungen, QWidget* parent)
    : QDialog(parent), einstellungen_(std::move(einstellungen)) {
    setObjectName(QStringLiteral("frmHinweis5d"));
    setWindowTitle(tr("Information zur Bemessung der Dornabstände"));
    auto* text = new QPlainTextEdit(Hinweistext(), this);
    text->setReadOnly(true);
    // Wide enough for the longest line of the language and tall enough for all its lines (translations
    // have more of them); a narrower window wraps the words instead of scrolling sideways.
    text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    int breite = text->fontMetrics().horizontalAdvance(QString(92, QLatin1Char('x')));
    for (const QString& zeile : text->toPlainText().split(QLatin1Char('\n')))
        breite = std::max(breite, text->fontMetrics().horizontalAdvance(zeile));
    const int rand = 2 * (text->frameWidth() + qCeil(text->document()->documentMargin())) +
                     text->verticalScrollBar()->sizeHint().width();
    const auto zeilen = static_cast<int>(text->toPlainText().count(QLatin1Char('\n'))) + 1;
    text->setMinimumSize(breite + rand, text->fontMetrics().lineSpacing() * (zeilen + 1) + rand);
    cbWiederAnzeigen_ = new QCheckBox(tr("Fenster bei jeder Bemessung wieder anzeigen"), this);
    cbWiederAnzeigen_->setObjectName(QStringLiteral("cbWiederAnzeigen"));
    cbWiederAnzeigen_->setChecked(true);
    auto* knoepfe = new QDialogButtonBox(this);
    knoepfe->addButton(tr("&OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    connect(knoepfe, &QDialogButtonBox::accepted, this, [this] {
        einstellungen_.SchreibeZahl(SchluesselHinweis, cbWiederAnzeigen_->isChecked() ? 1 : 0);
        accept();
    });
    // Closed without OK, the box stays as it was, which matters while the setting is absent from the file.
    connect(this, &QDialog::rejected, this, [this] { cbWiederAnzeigen_->setChecked(beimOeffnen_); });
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(text);
    spalte->addWidget(cbWiederAnzeigen_);
    spalte->addWidget(knoepfe);
}

void TfrmHinweis5d::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    const int stand = cbWiederAnzeigen_->isChecked() ? 1 : 0;
    cbWiederAnzeigen_->setChecked(IstEins(einstellungen_.LeseZahl(SchluesselHinweis, stand)));
    beimOeffnen_ = cbWiederAnzeigen_->isChecked();
}
