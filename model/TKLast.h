#pragma once

// Scratch record of the characteristic-load dialog: permanent and variable characteristic load with their
// partial factors and the resulting design value (kN for a point load, kN/m for a line load).
class TKLast {
public:
    double GetGk() const { return TGk; }
    void SetGk(double v);
    double GetQk() const { return TQk; }
    void SetQk(double v);
    double GetFd() const { return TFd; }
    double Getgg() const { return Tgg; }
    void Setgg(double v);
    double Getgq() const { return Tgq; }
    void Setgq(double v);

    bool operator==(const TKLast&) const = default;

private:
    void BerechneFd();

    double TGk = 0;
    double TQk = 0;
    double TFd = 0;  // always TGk × Tgg + TQk × Tgq
    double Tgg = 1.35;
    double Tgq = 1.5;
};
