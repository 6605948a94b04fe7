#pragma once

#include <sys/types.h>

#include <cstddef>
#include <string>

// The operating-system calls through which output files are written. The program uses the POSIX calls;
// a test puts a layer in their place that fails the way a full disk or a folder without write permission
// does. Each call answers like its POSIX original: -1 with errno set on failure.
class Dateischicht {
public:
    virtual ~Dateischicht() = default;
    // A new file from `muster`, whose last six characters "XXXXXX" are replaced, open for writing (mkstemp).
    virtual int Anlegen(std::string& muster);
    virtual ssize_t Schreiben(int fd, const char* daten, std::size_t laenge);
    virtual int Sichern(int fd);  // fsync
    virtual int Umbenennen(const std::string& von, const std::string& nach);
};

// The layer the writer uses: the POSIX calls, unless a test has put another one in place.
Dateischicht& AktiveDateischicht();

// Puts `schicht` in place for the lifetime of the object.
class DateischichtErsetzen {
public:
    explicit DateischichtErsetzen(Dateischicht& schicht);
    ~DateischichtErsetzen();
    DateischichtErsetzen(const DateischichtErsetzen&) = delete;
    DateischichtErsetzen& operator=(const DateischichtErsetzen&) = delete;

private:
    Dateischicht* vorher;
};
