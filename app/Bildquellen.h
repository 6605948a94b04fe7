#pragma once

#include <QIcon>
#include <QPixmap>

// Pictures of the program, kept as vector drawings in the resources and rendered at the size needed.
QPixmap Titelbild(const QSize& groesse);
QIcon StatusSymbol(int status);  // one icon per status code 0 to 9; an unknown code gets the icon of 1
QIcon AnwendungsfallSymbol(int anwendungsfall);  // ordinal of TsAnwendungsfall
