#pragma once

#include <charconv>
#include <string>
#include <string_view>

// The key of an entry: a text, or a text with a number run on ("TDornAbstand_" and 3 give "TDornAbstand_3",
// as list elements are keyed). Built on the stack, so the many keys of a project file cost no allocation.
// Only for passing to a read or write: it refers to the texts it was made from.
class Schluessel {
public:
    Schluessel(const char* text) : text(text) {}
    Schluessel(const std::string& text) : text(text) {}
    Schluessel(std::string_view text) : text(text) {}
    Schluessel(std::string_view praefix, std::size_t nummer) {
        if (praefix.size() + 20 > sizeof puffer) {
            lang.assign(praefix).append(std::to_string(nummer));
            text = lang;
            return;
        }
        char* ende = praefix.copy(puffer, praefix.size()) + puffer;
        ende = std::to_chars(ende, puffer + sizeof puffer, nummer).ptr;
        text = std::string_view(puffer, static_cast<std::size_t>(ende - puffer));
    }
    Schluessel(const Schluessel&) = delete;
    Schluessel& operator=(const Schluessel&) = delete;

    std::string_view Text() const { return text; }

private:
    std::string_view text;
    char puffer[64];
    std::string lang;
};
