#include "datei/DateiLesen.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "datei/Dateifehler.h"

namespace {

[[noreturn]] void Fehler(int code, const std::string& pfad) {
    throw std::system_error(code, Lesefehler(), pfad);
}

void Pruefen(const struct stat& info, const std::string& pfad) {
    if (S_ISDIR(info.st_mode)) Fehler(EISDIR, pfad);
    if (!S_ISREG(info.st_mode)) Fehler(KeineGewoehnlicheDatei, pfad);
}

class Lesedatei {
public:
    // Opened without blocking: opening a pipe that has no writer would otherwise wait for one forever.
    explicit Lesedatei(const std::string& pfad) : fd(open(pfad.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)) {
        if (fd < 0) Fehler(errno, pfad);
    }
    ~Lesedatei() { close(fd); }
    Lesedatei(const Lesedatei&) = delete;
    Lesedatei& operator=(const Lesedatei&) = delete;

    const int fd;
};

}  // namespace

std::string DateiLesen(const std::string& pfad, std::size_t hoechstens) {
    const Lesedatei datei(pfad);
    struct stat info {};
    if (fstat(datei.fd, &info) != 0) Fehler(errno, pfad);
    Pruefen(info, pfad);
    if (static_cast<std::size_t>(info.st_size) > hoechstens) Fehler(EFBIG, pfad);
    std::string inhalt;
    inhalt.reserve(static_cast<std::size_t>(info.st_size));
    // A file that grows while it is read still ends at the limit.
    char puffer[65536];
    for (;;) {
        const ssize_t n = read(datei.fd, puffer, sizeof puffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) Fehler(errno, pfad);
        if (n == 0) return inhalt;
        if (inhalt.size() + static_cast<std::size_t>(n) > hoechstens) Fehler(EFBIG, pfad);
        inhalt.append(puffer, static_cast<std::size_t>(n));
    }
}

void GewoehnlicheDateiPruefen(const std::string& pfad) {
    struct stat info {};
    if (stat(pfad.c_str(), &info) != 0) Fehler(errno, pfad);
    Pruefen(info, pfad);
}
