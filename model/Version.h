#pragma once

// The program's version text: shown in the status bar and the about window, and written into every project
// file, whose reader accepts exactly this text.
inline constexpr const char* Versionstext = "ZAVR - 3.1.2";
