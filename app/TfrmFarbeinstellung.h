#pragma once

#include <QColor>
#include <QDialog>
#include <array>
#include <functional>
#include <optional>

#include "output/TKFarbe.h"

class QPushButton;

// The colour settings dialog: eleven swatches in four groups. A click on a swatch opens the colour picker;
// "&Standard" and "&Graustufen" refill the swatches; only "&OK" copies them into the colour scheme.
class TfrmFarbeinstellung : public QDialog {
    Q_OBJECT
public:
    // The colour picker: the chosen colour, or nothing when the user cancelled.
    using Farbwahl = std::function<std::optional<QColor>(QWidget* parent, const QColor& vorgabe)>;

    explicit TfrmFarbeinstellung(TKFarbe& farbe, QWidget* parent = nullptr);
    void SetFarbwahl(Farbwahl wahl) { farbwahl_ = std::move(wahl); }

    QColor GetFeldfarbe(TKFarbe::Element element) const;
    void Standard();
    void Graustufen();

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* BaueGruppe(const QString& titel, std::initializer_list<TKFarbe::Element> elemente);
    void SetFeldfarbe(TKFarbe::Element element, const QColor& farbe);
    void FarbeWaehlen(TKFarbe::Element element);
    void WerteAnzeigen(const TKFarbe::Werte& werte);

    TKFarbe& farbe_;
    Farbwahl farbwahl_;
    std::array<QPushButton*, TKFarbe::AnzahlFarben> felder_{};
    std::array<QColor, TKFarbe::AnzahlFarben> feldfarben_{};
};
