#pragma once

#include <QDialog>

#include "model/Programmversion.h"

class QPlainTextEdit;

// "Über QUORVEL® Doppelschubdorn ZAVR / ZAVRQ": title picture, version and build number of the program,
// the maker's address and the disclaimer.
class TfrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAbout(Programmversion version = DieseVersion, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPlainTextEdit* memoHaftung_;
};
