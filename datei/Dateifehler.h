#pragma once

#include <exception>
#include <string>
#include <system_error>

// The reasons a file could not be written or read, in the words the program shows ("der Datenträger ist
// voll", "keine Schreibberechtigung", "der Ordner existiert nicht"); German source texts of the translation
// context "Dateifehler". The codes are errno values and compare
// equal to the std::errc conditions (e.code() == std::errc::no_space_on_device). The two categories differ
// where the same code means something else: ENOENT is a missing folder when writing, a missing file when
// reading.
const std::error_category& Schreibfehler();
const std::error_category& Lesefehler();

// EINVAL from Lesefehler(): the name is a device, a pipe or a socket, which a program must not read as a
// file (it may never end, or block).
inline constexpr int KeineGewoehnlicheDatei = EINVAL;

// From Schreibfehler(), not an errno value: the target exists and its mode forbids this user to write it
// ("die Datei ist schreibgeschützt"). It compares equal to std::errc::permission_denied.
inline constexpr int ZielSchreibgeschuetzt = 0x5a00;

// The reason to show for a failed file operation: the words of a std::system_error's code (without the
// path its what() starts with), else what() of any other exception.
std::string Fehlergrund(const std::exception& fehler);
