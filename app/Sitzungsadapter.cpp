#include "app/Sitzungsadapter.h"

Sitzungsadapter::Sitzungsadapter(Umgebung& umgebung, QObject* parent) : QObject(parent), sitzung_(umgebung) {
    sitzung_.SetBeobachter([this](unsigned aenderungen) { emit geaendert(aenderungen); });
}
