#pragma once

#include <QSpinBox>
#include <QString>
#include <vector>

// Up-down control that steps through a list of bar diameters: from 8 in "6;8;10;12;14;16;20" one step up
// gives 10, from 16 one step up 20; beyond the last value it stays. The value shows in the control itself.
class TBST500 : public QSpinBox {
    Q_OBJECT
public:
    static constexpr const char* StandardListe = "6;8;10;12;14;16;20;25;28";

    explicit TBST500(QWidget* parent = nullptr);

    // Values separated by ";"; an empty text stands for the standard list. The range becomes the first to
    // the last value.
    void SetStabListe(const QString& liste);
    const QString& GetStabListe() const { return FStabListe; }

    void stepBy(int steps) override;

private:
    QString FStabListe;
    std::vector<int> FStabListeReal;
    std::vector<int> FStabListeUp;    // per raw position 0 … last value: the smallest list value ≥ it
    std::vector<int> FStabListeDown;  // the largest list value ≤ it; below the first value the first value
};
