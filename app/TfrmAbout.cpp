#include "app/TfrmAbout.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/Bildquellen.h"

namespace {

QLabel* Text(const QString& text, const char* name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QString Haftungsausschluss() {
    return QCoreApplication::translate(
        "TfrmAbout",
        "Haftungsausschluss\n"
        "\n"
        "Dieses Programm unterstützt die Bemessung von Doppelschubdornen ZAVR und ZAVRQ nach der "
        "allgemeinen bauaufsichtlichen Zulassung. Es ersetzt weder die Sachkunde noch die Verantwortung des "
        "Tragwerksplaners: Eingaben, Bemessungsannahmen und die Übernahme der Ergebnisse in die "
        "Ausführungsplanung sind vom Anwender zu prüfen.\n"
        "\n"
        "Die QUORVEL Bautechnik GmbH hat das Programm mit größter Sorgfalt erstellt und geprüft. Für "
        "Schäden, "
        "die aus der Anwendung des Programms oder aus fehlerhaften Ergebnissen entstehen, haftet sie nur bei "
        "Vorsatz oder grober Fahrlässigkeit.\n"
        "\n"
        "Fragen und Hinweise zum Programm richten Sie bitte an unsere technische Beratung: "
        "support@quorvel.example");
}

}  // namespace

TfrmAbout::TfrmAbout(Programmversion version, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("Über QUORVEL®  Doppelschubdorn ZAVR / ZAVRQ"));
    auto* titelbild = new QLabel(this);
    titelbild->setObjectName(QStringLiteral("imgTitelbild"));
    titelbild->setPixmap(Titelbild(QSize(400, 154)));
    auto* programm = Text(tr("QUORVEL  Doppelschubdorn ZAVR / ZAVRQ"), "lblProgramm", this);
    QFont gross = programm->font();
    gross.setPointSizeF(gross.pointSizeF() * 1.4);
    gross.setBold(true);
    programm->setFont(gross);
    auto* zweck =
        Text(tr("Mit diesem Programm kann der Einsatz von ZAVR und ZAVRQ Schubdornen zu Übertragung "
                "hoher Querlasten berechnet werden."),
             "lblZweck", this);
    zweck->setWordWrap(true);

    auto* daten = new QFormLayout;
    daten->addRow(tr("Version:"),
                  Text(QStringLiteral("%1.%2.%3").arg(version.haupt).arg(version.neben).arg(version.ausgabe),
                       "lblVersion", this));
    daten->addRow(tr("Kompilierung:"), Text(QString::number(version.kompilierung), "lblKompilierung", this));
    daten->addRow(tr("Erstellt am:"), Text(tr("07.01.2015"), "lblErstelltAm", this));
    auto* adresse = Text(tr("QUORVEL Bautechnik GmbH\n"
                            "Technische Beratung\n"
                            "Musterweg 12\n"
                            "12345 Musterstadt\n"
                            "Telefon +49 123 4567-0\n"
                            "www.quorvel.example"),
                         "lblAdresse", this);
    auto* kopf = new QHBoxLayout;
    kopf->addLayout(daten, 1);
    kopf->addWidget(adresse, 0, Qt::AlignTop);

    memoHaftung_ = new QPlainTextEdit(this);
    memoHaftung_->setObjectName(QStringLiteral("memoHaftung"));
    memoHaftung_->setReadOnly(true);
    memoHaftung_->setMinimumHeight(memoHaftung_->fontMetrics().lineSpacing() * 9);

    auto* knoepfe = new QDialogButtonBox(this);
    knoepfe->addButton(tr("&Zurück"), QDialogButtonBox::AcceptRole)->setDefault(true);
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(titelbild, 0, Qt::AlignHCenter);
    spalte->addWidget(programm, 0, Qt::AlignHCenter);
    spalte->addWidget(zweck);
    spalte->addLayout(kopf);
    spalte->addWidget(memoHaftung_);
    spalte->addWidget(knoepfe);
    setMinimumWidth(520);
}

void TfrmAbout::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    memoHaftung_->setPlainText(Haftungsausschluss());
}
