#pragma once

#include <map>
#include <string>

// What a read file holds that its drawing does not show: entity kinds the reader does not draw (by their
// DXF names, with their numbers), the entities of paper space (layouts), which the model view leaves out,
// and hatches whose pattern is shown by its boundary only.
struct DXF_Omissions {
    std::map<std::string, long> kinds;
    long paper_space = 0;
    long hatch_patterns = 0;
    bool empty() const { return kinds.empty() && paper_space == 0 && hatch_patterns == 0; }
};
