#pragma once

#include <QSpinBox>

// A count box that takes whatever whole number is typed and, when it has to bring it into its range, says
// so instead of dropping a sign or a digit without a word ("-3" is not 3, "100000" is not 10000).
class Anzahlfeld : public QSpinBox {
    Q_OBJECT
public:
    using QSpinBox::QSpinBox;

signals:
    // The typed text and the value the box took instead.
    void korrigiert(const QString& eingabe, int wert);

protected:
    QValidator::State validate(QString& text, int& pos) const override;
    void fixup(QString& text) const override;
};
