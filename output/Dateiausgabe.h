#pragma once

#include <QByteArray>
#include <QString>

// Writes the finished bytes of an output file in one step: a failure leaves an existing file untouched.
// Returns an error text, empty on success. Every picture and PDF the drawing layer writes goes through
// here.
QString DateiSchreiben(const QString& pfad, const QByteArray& inhalt);
