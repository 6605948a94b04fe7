#include "files/DateiErsetzen.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <memory>
#include <system_error>
#include <vector>

namespace {

[[noreturn]] void Fehler(const std::string& was, const std::string& pfad) {
    const int code = errno;
    throw std::system_error(code, std::generic_category(), was + " " + pfad);
}

// A replaced file keeps its access rights; a new one gets the usual rights under the process's umask.
mode_t Zugriffsrechte(const std::string& pfad) {
    struct stat info {};
    if (stat(pfad.c_str(), &info) == 0) return info.st_mode & 07777;
    const mode_t maske = umask(0);
    umask(maske);
    return 0666 & ~maske;
}

class TempDatei {
public:
    explicit TempDatei(const std::string& ziel) : name(ziel + ".XXXXXX") {
        std::vector<char> muster(name.begin(), name.end());
        muster.push_back('\0');
        fd = mkstemp(muster.data());
        if (fd < 0) Fehler("Datei kann nicht erstellt werden:", ziel);
        name.assign(muster.data());
    }
    ~TempDatei() {
        if (fd >= 0) close(fd);
        if (!uebernommen) unlink(name.c_str());
    }
    TempDatei(const TempDatei&) = delete;
    TempDatei& operator=(const TempDatei&) = delete;

    void Schreiben(const std::string& inhalt) {
        const char* p = inhalt.data();
        std::size_t rest = inhalt.size();
        while (rest > 0) {
            const ssize_t n = write(fd, p, rest);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) Fehler("Fehler beim Schreiben von", name);
            p += n;
            rest -= static_cast<std::size_t>(n);
        }
    }

    void Abschliessen(const std::string& ziel) {
        if (fchmod(fd, Zugriffsrechte(ziel)) != 0 || fsync(fd) != 0)
            Fehler("Fehler beim Schreiben von", name);
        const int f = fd;
        fd = -1;
        if (close(f) != 0) Fehler("Fehler beim Schreiben von", name);
        if (rename(name.c_str(), ziel.c_str()) != 0) Fehler("Datei kann nicht ersetzt werden:", ziel);
        uebernommen = true;
    }

private:
    std::string name;
    int fd = -1;
    bool uebernommen = false;
};

// A symbolic link stays a link: the file it points to is replaced, in that file's folder.
std::string Ersetzungsziel(const std::string& pfad) {
    std::unique_ptr<char, decltype(&std::free)> echt(realpath(pfad.c_str(), nullptr), &std::free);
    return echt ? std::string(echt.get()) : pfad;
}

}  // namespace

void DateiErsetzen(const std::string& pfad, const std::string& inhalt) {
    const std::string ziel = Ersetzungsziel(pfad);
    TempDatei temp(ziel);
    temp.Schreiben(inhalt);
    temp.Abschliessen(ziel);
}

std::string DateiLesen(const std::string& pfad) {
    const int fd = open(pfad.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) Fehler("Datei kann nicht geöffnet werden:", pfad);
    std::string inhalt;
    struct stat info {};
    if (fstat(fd, &info) == 0 && info.st_size > 0) inhalt.reserve(static_cast<std::size_t>(info.st_size));
    char puffer[65536];
    for (;;) {
        const ssize_t n = read(fd, puffer, sizeof puffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int e = errno;
            close(fd);
            errno = e;
            Fehler("Fehler beim Lesen von", pfad);
        }
        if (n == 0) break;
        inhalt.append(puffer, static_cast<std::size_t>(n));
    }
    close(fd);
    return inhalt;
}
