#pragma once

// The program's version text: shown in the status bar and the about window, and written into every project
// file, whose reader accepts exactly this text.
inline constexpr const char* Versionstext = "ZAVR - 3.1.2";

// The version of the program file as the about window shows it: major.minor.release, and the build number
// apart. The build fills in its own numbers (model/Programmversion.h, made by CMake).
struct Programmversion {
    int haupt = 0;
    int neben = 0;
    int ausgabe = 0;
    int kompilierung = 0;
};
