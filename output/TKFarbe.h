#pragma once

#include <array>
#include <cstdint>

class QColor;
class QSettings;

// The colour scheme of every sketch. Each colour is stored as red + 256 x green + 65536 x blue, the form
// the settings file keeps.
class TKFarbe {
public:
    // The eleven colours in declaration order; the order also fixes the settings keys.
    enum class Element {
        Hintergrund,
        BetonPen,
        BetonBrush,
        PosA,
        PosB,
        PosC,
        PosD,
        DornPen,
        DornBrush,
        Bemassung,
        Brandschutz
    };
    static constexpr int AnzahlFarben = 11;
    using Werte = std::array<std::uint32_t, AnzahlFarben>;

    TKFarbe() = default;

    static const Werte& StandardWerte();
    static const Werte& GrauWerte();
    static const char* Schluessel(Element e);  // key in section "Farbeinstellung"

    std::uint32_t GetWert(Element e) const { return TWerte[static_cast<int>(e)]; }
    void SetWert(Element e, std::uint32_t wert) { TWerte[static_cast<int>(e)] = wert & 0xFFFFFF; }
    QColor GetFarbe(Element e) const;
    void SetFarbe(Element e, const QColor& farbe);
    const Werte& GetWerte() const { return TWerte; }
    void SetWerte(const Werte& werte);

    std::uint32_t GetHintergrund() const { return GetWert(Element::Hintergrund); }
    std::uint32_t GetBetonPen() const { return GetWert(Element::BetonPen); }
    std::uint32_t GetBetonBrush() const { return GetWert(Element::BetonBrush); }
    std::uint32_t GetPosA() const { return GetWert(Element::PosA); }
    std::uint32_t GetPosB() const { return GetWert(Element::PosB); }
    std::uint32_t GetPosC() const { return GetWert(Element::PosC); }
    std::uint32_t GetPosD() const { return GetWert(Element::PosD); }
    std::uint32_t GetDornPen() const { return GetWert(Element::DornPen); }
    std::uint32_t GetDornBrush() const { return GetWert(Element::DornBrush); }
    std::uint32_t GetBemassung() const { return GetWert(Element::Bemassung); }
    std::uint32_t GetBrandschutz() const { return GetWert(Element::Brandschutz); }

    // Reads section "Farbeinstellung"; a missing key or one that is not a colour value keeps the default of
    // that key only.
    void Lesen(QSettings& settings);
    // Writes all eleven keys as decimal integers, changed or not.
    void Schreiben(QSettings& settings) const;

    bool operator==(const TKFarbe&) const = default;

private:
    Werte TWerte = StandardWerte();
};

// The colour of a stored value (red in the lowest byte) and back.
QColor AlsQColor(std::uint32_t wert);
std::uint32_t AlsFarbwert(const QColor& farbe);
