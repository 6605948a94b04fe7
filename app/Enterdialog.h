#pragma once

#include <QDialog>

// A dialog in which Enter moves the focus to the next control and Shift+Enter to the previous one. The key
// is consumed, so it triggers no button; multi-line texts keep it for a new line.
class Enterdialog : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;

protected:
    // Called at the end of the constructor, when every control exists.
    void EnterWeiterschalten();
    bool eventFilter(QObject* objekt, QEvent* event) override;
};

// Whether `event` is a press of Enter or Return.
bool IstEnter(const QEvent* event);
