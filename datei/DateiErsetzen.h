#pragma once

#include <functional>
#include <ostream>
#include <string>

// The one writer of every output file of the program: project files, DXF drawings, pictures, and the text
// and PDF exports. The bytes go to a temporary file in the target's folder, which is flushed to disk and
// then renamed over the target, so the target is either the old file or the whole new one, never a part.
//
// - Any failure removes the temporary file, leaves an existing file untouched and throws std::system_error
//   in the category Schreibfehler(); its message names the reason: "der Datenträger ist voll",
//   "keine Schreibberechtigung", "der Ordner existiert nicht", ...
// - A replaced file keeps its access rights, and its owner and group where the process may set them.
// - A symbolic link stays a link; the file it points to is written, also when it does not exist yet.
// - Temporary files of the same target left by a save that was killed are removed.
void DateiErsetzen(const std::string& pfad, const std::string& inhalt);

// The same for content that is produced piece by piece: `schreiben` writes it into the stream, which goes
// straight to the temporary file, so the content is never held in memory as a whole. An exception of
// `schreiben` ends the save as a failure does; a write error comes out of the stream as the std::system_error
// above.
void DateiErsetzen(const std::string& pfad, const std::function<void(std::ostream&)>& schreiben);
