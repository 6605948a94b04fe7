#include "datei/Dateifehler.h"

#include <cerrno>
#include <string>

// Marks the reasons for the translation catalogues; they are translated where they are shown.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace {

class Dateikategorie : public std::error_category {
public:
    explicit Dateikategorie(bool schreiben) : schreiben(schreiben) {}

    const char* name() const noexcept override { return schreiben ? "zavr-schreiben" : "zavr-lesen"; }

    std::error_condition default_error_condition(int code) const noexcept override {
        return {code == ZielSchreibgeschuetzt ? EACCES : code, std::generic_category()};
    }

    std::string message(int code) const override {
        switch (code) {
            case ENOSPC:
                return QT_TRANSLATE_NOOP("Dateifehler", "der Datenträger ist voll");
            case EDQUOT:
                return QT_TRANSLATE_NOOP("Dateifehler", "das Speicherkontingent ist erschöpft");
            case EACCES:
            case EPERM:
                return schreiben ? QT_TRANSLATE_NOOP("Dateifehler", "keine Schreibberechtigung")
                                 : QT_TRANSLATE_NOOP("Dateifehler", "keine Leseberechtigung");
            case ENOENT:
                return schreiben ? QT_TRANSLATE_NOOP("Dateifehler", "der Ordner existiert nicht")
                                 : QT_TRANSLATE_NOOP("Dateifehler", "die Datei existiert nicht");
            case ENOTDIR:
                return QT_TRANSLATE_NOOP("Dateifehler", "ein Teil des Pfades ist kein Ordner");
            case EISDIR:
                return QT_TRANSLATE_NOOP("Dateifehler", "der Name bezeichnet einen Ordner");
            case EROFS:
                return QT_TRANSLATE_NOOP("Dateifehler", "der Datenträger ist schreibgeschützt");
            case EFBIG:
                return schreiben ? QT_TRANSLATE_NOOP("Dateifehler", "die Datei wäre größer als erlaubt")
                                 : QT_TRANSLATE_NOOP("Dateifehler", "die Datei ist zu groß");
            case ZielSchreibgeschuetzt:
                return QT_TRANSLATE_NOOP("Dateifehler", "die Datei ist schreibgeschützt");
            case ENAMETOOLONG:
                return QT_TRANSLATE_NOOP("Dateifehler", "der Dateiname ist zu lang");
            case ELOOP:
                return QT_TRANSLATE_NOOP("Dateifehler", "zu viele symbolische Verweise");
            case EIO:
                return QT_TRANSLATE_NOOP("Dateifehler", "Ein-/Ausgabefehler des Datenträgers");
            case KeineGewoehnlicheDatei:
                if (!schreiben)
                    return QT_TRANSLATE_NOOP("Dateifehler",
                                             "keine gewöhnliche Datei (ein Gerät oder eine Pipe)");
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
