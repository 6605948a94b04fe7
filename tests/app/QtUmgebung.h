#pragma once

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QTimer>
#include <functional>
#include <ostream>

// Readable QString values in failure messages.
inline void PrintTo(const QString& text, std::ostream* aus) {
    *aus << '"' << text.toStdString() << '"';
}

// The tests of the windows share one QApplication, created by a GoogleTest environment in QtUmgebung.cpp
// before the first test runs (QT_QPA_PLATFORM=offscreen, no screen needed).

// While it lives, answers every modal dialog that opens: runs `aktion` on it inside its event loop and
// closes it if the action left it open, so a test never hangs on a dialog. Records the dialogs' names.
class DialogBeantworter : public QObject {
public:
    explicit DialogBeantworter(std::function<void(QDialog&)> aktion = {}) : aktion_(std::move(aktion)) {
        QApplication::instance()->installEventFilter(this);
    }
    ~DialogBeantworter() override { QApplication::instance()->removeEventFilter(this); }

    QStringList geoeffnet;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override {
        auto* dialog = qobject_cast<QDialog*>(objekt);
        if (ereignis->type() == QEvent::Show && dialog) {
            geoeffnet << dialog->objectName();
            QTimer::singleShot(0, dialog, [this, dialog] {
                if (aktion_) aktion_(*dialog);
                if (dialog->isVisible()) dialog->done(QDialog::Rejected);
            });
        }
        return false;
    }

private:
    std::function<void(QDialog&)> aktion_;
};
