#pragma once

#include <string>
#include <vector>

// Bill of quantities of a project: remark lines and the entries, each a list of text lines. Entries are
// numbered from 1.
class TKStueckliste {
public:
    using Eintrag = std::vector<std::string>;

    const std::vector<std::string>& GetBemerkung() const { return TBemerkung; }
    void SetBemerkung(const std::vector<std::string>& pBemerkung) { TBemerkung = pBemerkung; }

    int GetCountEintraege() const { return static_cast<int>(TEintrag.size()); }
    // The entry pNr; an empty list for a number outside 1 … count.
    Eintrag GetEintrag(int pNr) const;
    void AddEintrag(const Eintrag& pEintrag) { TEintrag.push_back(pEintrag); }
    // Both refuse a number outside 1 … count and leave the list unchanged.
    void ChangeEintrag(const Eintrag& pEintrag, int pNr);
    void RemoveEintrag(int pNr);
    void ResetEintraege() { TEintrag.clear(); }

    bool operator==(const TKStueckliste&) const = default;

private:
    bool GueltigeNr(int pNr) const { return pNr >= 1 && pNr <= GetCountEintraege(); }

    std::vector<std::string> TBemerkung;
    std::vector<Eintrag> TEintrag;
};
