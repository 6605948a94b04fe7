#include "datei/Dateischicht.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace {

Dateischicht& Posix() {
    static Dateischicht posix;
    return posix;
}

Dateischicht* aktiv = nullptr;

}  // namespace

int Dateischicht::Anlegen(std::string& muster) {
    std::vector<char> name(muster.begin(), muster.end());
    name.push_back('\0');
    const int fd = mkostemp(name.data(), O_CLOEXEC);
    if (fd >= 0) muster.assign(name.data());
    return fd;
}

ssize_t Dateischicht::Schreiben(int fd, const char* daten, std::size_t laenge) {
    return write(fd, daten, laenge);
}

int Dateischicht::Sichern(int fd) {
    return fsync(fd);
}

int Dateischicht::Umbenennen(const std::string& von, const std::string& nach) {
    return rename(von.c_str(), nach.c_str());
}

Dateischicht& AktiveDateischicht() {
    return aktiv ? *aktiv : Posix();
}

DateischichtErsetzen::DateischichtErsetzen(Dateischicht& schicht) : vorher(aktiv) {
    aktiv = &schicht;
}

DateischichtErsetzen::~DateischichtErsetzen() {
    aktiv = vorher;
}
