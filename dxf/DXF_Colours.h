#pragma once

#include <cstdint>

// Colours as 32-bit values with red in the low byte and blue in the high byte.
using DXF_Colour = std::uint32_t;

constexpr DXF_Colour rgb(unsigned r, unsigned g, unsigned b) {
    return r | (g << 8) | (b << 16);
}

inline constexpr int DXF_colour_count = 13;
inline constexpr DXF_Colour DXF_colour_table[DXF_colour_count] = {
    rgb(0, 0, 0),     rgb(255, 0, 0),     rgb(255, 255, 0),  rgb(0, 255, 0),   rgb(0, 255, 255),
    rgb(0, 0, 255),   rgb(128, 0, 128),   rgb(0, 0, 0),      rgb(128, 128, 0), rgb(255, 0, 255),
    rgb(0, 128, 128), rgb(128, 128, 128), rgb(128, 128, 128)};

// Table colour of a DXF colour index; negative indices (switched-off layers) count by their magnitude.
constexpr DXF_Colour colour_of_index(int index) {
    const int rest = index % DXF_colour_count;
    return DXF_colour_table[rest < 0 ? -rest : rest];
}

// The highest index with exactly this colour, 0 when the table has none (black gives 7, grey 12).
constexpr int index_of_colour(DXF_Colour colour) {
    for (int i = DXF_colour_count - 1; i >= 0; --i) {
        if (DXF_colour_table[i] == colour) return i;
    }
    return 0;
}
