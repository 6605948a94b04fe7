#include "datei/Dateifehler.h"

#include <cerrno>
#include <string>

namespace {

class Dateikategorie : public std::error_category {
public:
    explicit Dateikategorie(bool schreiben) : schreiben(schreiben) {}

    const char* name() const noexcept override { return schreiben ? "zavr-schreiben" : "zavr-lesen"; }

    std::error_condition default_error_condition(int code) const noexcept override {
        return {code, std::generic_category()};
    }

    std::string message(int code) const override {
        switch (code) {
            case ENOSPC:
                return "der Datenträger ist voll";
            case EDQUOT:
                return "das Speicherkontingent ist erschöpft";
            case EACCES:
            case EPERM:
                return schreiben ? "keine Schreibberechtigung" : "keine Leseberechtigung";
            case ENOENT:
                return schreiben ? "der Ordner existiert nicht" : "die Datei existiert nicht";
            case ENOTDIR:
                return "ein Teil des Pfades ist kein Ordner";
            case EISDIR:
                return "der Name bezeichnet einen Ordner";
            case EROFS:
                return "der Datenträger ist schreibgeschützt";
            case EFBIG:
                return schreiben ? "die Datei wäre zu groß" : "die Datei ist zu groß";
            case ENAMETOOLONG:
                return "der Dateiname ist zu lang";
            case ELOOP:
                return "zu viele symbolische Verweise";
            case EIO:
                return "Ein-/Ausgabefehler des Datenträgers";
            case KeineGewoehnlicheDatei:
                if (!schreiben) return "keine gewöhnliche Datei (ein Gerät oder eine Pipe)";
                break;
            default:
                break;
        }
        return std::generic_category().message(code);
    }

private:
    bool schreiben;
};

}  // namespace

const std::error_category& Schreibfehler() {
    static const Dateikategorie kategorie(true);
    return kategorie;
}

const std::error_category& Lesefehler() {
    static const Dateikategorie kategorie(false);
    return kategorie;
}

std::string Fehlergrund(const std::exception& fehler) {
    if (const auto* system = dynamic_cast<const std::system_error*>(&fehler)) return system->code().message();
    return fehler.what();
}
