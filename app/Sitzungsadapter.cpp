#include "app/Sitzungsadapter.h"

Sitzungsadapter::Sitzungsadapter(Umgebung& umgebung, QObject* parent) : QObject(parent), sitzung_(umgebung) {}
