#pragma once

#include <QDialog>

class QPushButton;
class QStatusBar;

// A dialog in which Enter moves the focus to the next control and Shift+Enter to the previous one. The key
// is consumed, so it triggers no button; multi-line texts keep it for a new line.
class Enterdialog : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;

protected:
    // Called at the end of the constructor, when every control exists.
    void EnterWeiterschalten();
    // The status bar "sbInfo" that shows the hint of the control under the mouse, indented by two blanks.
    QStatusBar* Hinweisleiste();
    bool event(QEvent* event) override;
    bool eventFilter(QObject* objekt, QEvent* event) override;

private:
    QStatusBar* sbInfo_ = nullptr;
};

// A hint "short|long": the short part as the tool tip, the long part in the status bar; without "|" both.
void HinweisSetzen(QWidget* control, const QString& hinweis);

// Whether `event` is a press of Enter or Return.
bool IstEnter(const QEvent* event);

// A button of a dialog, named for tests and the hint display, that is never the default button.
QPushButton* Dialogknopf(const char* name, const QString& text, const QString& hinweis, QWidget* parent);
