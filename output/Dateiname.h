#pragma once

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <string>
#include <utility>

// The name of an output file as the system's bytes. A name on Linux is any bytes but "/" and NUL, not only
// UTF-8, and a QString cannot hold the others: a name from the command line stays the bytes it was given,
// a name chosen in a Qt dialog becomes bytes through QFile::encodeName. The QString forms are for showing
// the name and for its extension only, so a file is written exactly under the name given.
class Dateiname {
public:
    // Both convert implicitly, as the string types of a path do.
    Dateiname(std::string bytes) : bytes_(std::move(bytes)) {}
    Dateiname(const QString& name) : bytes_(QFile::encodeName(name).toStdString()) {}

    const std::string& Bytes() const { return bytes_; }
    // For messages: bytes that are not UTF-8 show as U+FFFD.
    QString Anzeige() const { return QFile::decodeName(QByteArray::fromStdString(bytes_)); }
    // The extension in lower case, without the dot ("pdf").
    QString Endung() const { return QFileInfo(Anzeige()).suffix().toLower(); }

private:
    std::string bytes_;
};
