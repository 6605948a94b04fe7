#pragma once

#include <cstdint>
#include <vector>

// Message codes of one dowel type, kept as an ordered set: each code once, in the order of first insertion.
class TKMeldungen {
public:
    void SetMeldung(std::uint16_t pMeldung);  // appends the code unless it is already present
    void Reset() { TMeldungen.clear(); }
    const std::vector<std::uint16_t>& GetMeldungen() const { return TMeldungen; }

    bool operator==(const TKMeldungen&) const = default;

private:
    std::vector<std::uint16_t> TMeldungen;
};
