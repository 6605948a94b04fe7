#include "datei/DateiErsetzen.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <filesystem>
#include <streambuf>
#include <string_view>
#include <system_error>

#include "datei/Dateifehler.h"
#include "datei/Dateischicht.h"

namespace {

namespace fs = std::filesystem;

// Longer chains of links than this are taken for a loop, as the system itself does.
constexpr int MaxVerweise = 40;
// Room for the marks of a temporary name within the 255 bytes a file name may have.
constexpr std::size_t MaxNamensteil = 200;
constexpr std::string_view Zufallsteil = "XXXXXX";

[[noreturn]] void Fehler(int code, const std::string& pfad) {
    throw std::system_error(code, Schreibfehler(), pfad);
}

std::string Ordner(const std::string& pfad) {
    const auto schraegstrich = pfad.rfind('/');
    if (schraegstrich == std::string::npos) return ".";
    return schraegstrich == 0 ? "/" : pfad.substr(0, schraegstrich);
}

// Temporary files of a target are hidden and carry a mark of the program, so that no file of the user's
// can be taken for a leftover: ".plan.ZAV.zavr-" and six random characters.
std::string TempPraefix(const std::string& ziel) {
    const auto schraegstrich = ziel.rfind('/');
    const std::size_t name = schraegstrich == std::string::npos ? 0 : schraegstrich + 1;
    std::string praefix(1, '.');
    return praefix.append(ziel, name, MaxNamensteil).append(".zavr-");
}

// A symbolic link stays a link: the file at its end is replaced, in that file's folder, also when the
// link dangles (the file is then created).
std::string Ersetzungsziel(const std::string& pfad) {
    std::string ziel = pfad;
    for (int verweise = 0; verweise < MaxVerweise; ++verweise) {
        std::error_code fehler;
        if (!fs::is_symlink(fs::symlink_status(ziel, fehler))) return ziel;
        const fs::path weiter = fs::read_symlink(ziel, fehler);
        if (fehler) Fehler(fehler.value(), pfad);
        ziel = weiter.is_absolute() ? weiter.string() : (fs::path(Ordner(ziel)) / weiter).string();
    }
    Fehler(ELOOP, pfad);
}

// An existing target the user may not write is protected, although a rename in a writable folder could
// replace it. The mode decides for everyone: root, whom the system lets write any file, gets the rights of
// the owner, the group or the others like any user.
bool Schreibgeschuetzt(const std::string& ziel) {
    struct stat info {};
    if (stat(ziel.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
    if (faccessat(AT_FDCWD, ziel.c_str(), W_OK, AT_EACCESS) != 0) return errno == EACCES;
    if (geteuid() != 0) return false;
    const mode_t recht = info.st_uid == 0 ? S_IWUSR : info.st_gid == getegid() ? S_IWGRP : S_IWOTH;
    return (info.st_mode & recht) == 0;
}

// Beyond a file-size limit (ulimit -f) the system kills a writing process with SIGXFSZ unless the signal
// is ignored; then the write fails with EFBIG, which is reported like any other reason. A handler the
// program has set stays.
void DateigrenzeAlsFehler() {
    static const bool gesetzt = [] {
        struct sigaction bisher {};
        if (sigaction(SIGXFSZ, nullptr, &bisher) == 0 && bisher.sa_handler == SIG_DFL)
            std::signal(SIGXFSZ, SIG_IGN);
        return true;
    }();
    static_cast<void>(gesetzt);
}

// A replaced file keeps its owner and group where the process may set them (a colleague's save in a shared
// folder must not take the file from its owner), or at least its group, and its access rights. A new file
// gets the usual rights under the process's umask.
void RechteUebernehmen(int fd, const std::string& ziel, const std::string& pfad) {
    struct stat info {};
    if (stat(ziel.c_str(), &info) != 0) {
        const mode_t maske = umask(0);
        umask(maske);
        if (fchmod(fd, 0666 & ~maske) != 0) Fehler(errno, pfad);
        return;
    }
    if (fchown(fd, info.st_uid, info.st_gid) != 0) {
        // Where even the group is refused, the file belongs to whoever saved it, as any new file does.
        const int nurGruppe = fchown(fd, static_cast<uid_t>(-1), info.st_gid);
        static_cast<void>(nurGruppe);
    }
    if (fchmod(fd, info.st_mode & 07777) != 0) Fehler(errno, pfad);
}

}  // namespace

class Ersetzung::Temp {
public:
    Temp(Dateischicht& schicht, const std::string& ziel, const std::string& pfad)
        : schicht(schicht),
          name(Ordner(ziel) + "/" + TempPraefix(ziel) + std::string(Zufallsteil)),
          pfad(pfad) {
        fd = schicht.Anlegen(name);
        if (fd < 0) Fehler(errno, pfad);
        // The lock lasts as long as this save runs; a leftover of a killed save is recognised by its lack.
        flock(fd, LOCK_EX | LOCK_NB);
    }
    ~Temp() {
        if (fd >= 0) close(fd);
        if (!uebernommen) unlink(name.c_str());
    }
    Temp(const Temp&) = delete;
    Temp& operator=(const Temp&) = delete;

    void Schreiben(std::string_view inhalt) {
        const char* p = inhalt.data();
        std::size_t rest = inhalt.size();
        while (rest > 0) {
            const ssize_t n = schicht.Schreiben(fd, p, rest);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) Fehler(errno, pfad);
            if (n == 0) Fehler(EIO, pfad);
            p += n;
            rest -= static_cast<std::size_t>(n);
        }
    }

    // Renamed while still open and locked, so no other save takes it for a leftover in between. The data
    // are on the disk before the rename; closing afterwards cannot lose them.
    void Abschliessen(const std::string& ziel) {
        RechteUebernehmen(fd, ziel, pfad);
        if (schicht.Sichern(fd) != 0) Fehler(errno, pfad);
        if (schicht.Umbenennen(name, ziel) != 0) Fehler(errno, pfad);
        uebernommen = true;
    }

private:
    Dateischicht& schicht;
    std::string name;
    const std::string& pfad;
    int fd = -1;
    bool uebernommen = false;
};

namespace {

// The rename itself reaches the disk only with its folder.
void OrdnerSichern(const std::string& ordner) {
    const int fd = open(ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

// A save killed before its rename leaves its temporary file behind. Its lock went with the process, so a
// temporary file of the same target that can be locked is such a leftover; one that is locked belongs to a
// save still running.
void ResteEntfernen(const std::string& ordner, const std::string& praefix) {
    std::error_code fehler;
    for (fs::directory_iterator it(ordner, fehler), ende; !fehler && it != ende; it.increment(fehler)) {
        const std::string name = it->path().filename().string();
        if (!name.starts_with(praefix) || name.size() != praefix.size() + Zufallsteil.size()) continue;
        const std::string rest = it->path().string();
        const int fd = open(rest.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) continue;
        if (flock(fd, LOCK_EX | LOCK_NB) == 0) unlink(rest.c_str());
        close(fd);
    }
}

// Large enough that the system calls cost nothing next to the bytes.
constexpr std::size_t Puffergroesse = std::size_t{1} << 20;

}  // namespace

Ersetzung::Ersetzung(const std::string& pfad) : pfad(pfad), ziel(Ersetzungsziel(pfad)) {
    if (Schreibgeschuetzt(ziel)) Fehler(ZielSchreibgeschuetzt, pfad);
    DateigrenzeAlsFehler();
    temp = std::make_unique<Temp>(AktiveDateischicht(), ziel, this->pfad);
    puffer = std::make_unique_for_overwrite<char[]>(Puffergroesse);
}

Ersetzung::~Ersetzung() = default;

void Ersetzung::Schreiben(std::string_view bytes) {
    groesse += bytes.size();
    if (belegt + bytes.size() > Puffergroesse) {
        Leeren();
        if (bytes.size() > Puffergroesse) {
            temp->Schreiben(bytes);
            return;
        }
    }
    std::copy(bytes.begin(), bytes.end(), puffer.get() + belegt);
    belegt += bytes.size();
}

void Ersetzung::Leeren() {
    temp->Schreiben(std::string_view(puffer.get(), belegt));
    belegt = 0;
}

void Ersetzung::Verwerfen() {
    temp.reset();
    temp = std::make_unique<Temp>(AktiveDateischicht(), ziel, pfad);
    belegt = 0;
    groesse = 0;
}

void Ersetzung::Abschliessen() {
    Leeren();
    temp->Abschliessen(ziel);
    temp.reset();
    OrdnerSichern(Ordner(ziel));
    ResteEntfernen(Ordner(ziel), TempPraefix(ziel));
}

void DateiErsetzen(const std::string& pfad, std::string_view inhalt) {
    Ersetzung ersetzung(pfad);
    ersetzung.Schreiben(inhalt);
    ersetzung.Abschliessen();
}

namespace {

// Hands every byte of a stream to an Ersetzung, which buffers them itself.
class Ersetzungsstrom : public std::streambuf {
public:
    explicit Ersetzungsstrom(Ersetzung& ersetzung) : ersetzung(ersetzung) {}

protected:
    int_type overflow(int_type zeichen) override {
        if (traits_type::eq_int_type(zeichen, traits_type::eof())) return traits_type::not_eof(zeichen);
        const char c = traits_type::to_char_type(zeichen);
        ersetzung.Schreiben({&c, 1});
        return zeichen;
    }
    std::streamsize xsputn(const char* daten, std::streamsize anzahl) override {
        ersetzung.Schreiben({daten, static_cast<std::size_t>(anzahl)});
        return anzahl;
    }

private:
    Ersetzung& ersetzung;
};

}  // namespace

void DateiErsetzen(const std::string& pfad, const std::function<void(std::ostream&)>& schreiben) {
    Ersetzung ersetzung(pfad);
    Ersetzungsstrom strom(ersetzung);
    std::ostream aus(&strom);
    aus.exceptions(std::ios::badbit);
    schreiben(aus);
    ersetzung.Abschliessen();
}
