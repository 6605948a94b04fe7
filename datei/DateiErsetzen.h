#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>

// The one writer of every output file of the program: project files, DXF drawings, pictures, and the text
// and PDF exports. The bytes go to a temporary file in the target's folder, which is flushed to disk and
// then renamed over the target, so the target is either the old file or the whole new one, never a part.
//
// - Any failure removes the temporary file, leaves an existing file untouched and throws std::system_error
//   in the category Schreibfehler(); its message names the reason: "der Datenträger ist voll",
//   "keine Schreibberechtigung", "der Ordner existiert nicht", ...
// - An existing target whose mode forbids the user to write it is not replaced ("die Datei ist
//   schreibgeschützt"), whoever the user is.
// - A replaced file keeps its access rights, and its owner and group where the process may set them.
// - Beyond a file-size limit of the process the save fails with EFBIG instead of ending the process.
// - A symbolic link stays a link; the file it points to is written, also when it does not exist yet.
// - Temporary files of the same target left by a save that was killed are removed.
void DateiErsetzen(const std::string& pfad, std::string_view inhalt);

// The same for a file written in pieces, so that its content never has to be held in memory at once: the
// pieces are collected in a buffer and go to the temporary file in large writes. Abschliessen() puts the
// file in place of the target; an Ersetzung destroyed before that removes its temporary file and leaves
// the target as it was. Every call throws as DateiErsetzen does.
class Ersetzung {
public:
    explicit Ersetzung(const std::string& pfad);
    ~Ersetzung();
    Ersetzung(const Ersetzung&) = delete;
    Ersetzung& operator=(const Ersetzung&) = delete;

    void Schreiben(std::string_view bytes);
    // Starts again with an empty file, for a writer that learns on the way that the file needs another form.
    void Verwerfen();
    void Abschliessen();
    // Bytes written since the start (or the last Verwerfen).
    std::uint64_t Groesse() const { return groesse; }

private:
    class Temp;
    void Leeren();

    std::string pfad;
    std::string ziel;
    std::unique_ptr<Temp> temp;
    std::unique_ptr<char[]> puffer;
    std::size_t belegt = 0;
    std::uint64_t groesse = 0;
};

// The same for a writer that produces its content into a stream (the DXF writer): the stream goes through an
// Ersetzung. An exception of `schreiben` ends the save as a failure does; a write error comes out of the
// stream as the std::system_error above.
void DateiErsetzen(const std::string& pfad, const std::function<void(std::ostream&)>& schreiben);
