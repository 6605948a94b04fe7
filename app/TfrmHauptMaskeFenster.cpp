// The main window's placement on the screen, the placement of its dialogs, and the keys that belong to
// whatever has the focus (F1, text editing).
#include <QAbstractSpinBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSplitter>
#include <QStyle>
#include <QTextEdit>

#include "app/Anwendereinstellungen.h"
#include "app/DesktopUmgebung.h"
#include "app/Fenstergeometrie.h"
#include "app/TfrmHauptMaske.h"
#include "app/TfrmHilfe.h"

namespace {

const QString FensterSchluessel = QStringLiteral("Fenster");
const QString TeilungSchluessel = QStringLiteral("Teilung");
constexpr QSize Bevorzugt(1500, 940);

// The frame of a shown window; before its first show a title bar and thin borders as the style draws them.
QMargins Rahmen(const QWidget& fenster) {
    const QRect aussen = fenster.frameGeometry();
    const QRect innen = fenster.geometry();
    if (aussen != innen)
        return {innen.left() - aussen.left(), innen.top() - aussen.top(), aussen.right() - innen.right(),
                aussen.bottom() - innen.bottom()};
    const int rand = 4;
    return {rand, fenster.style()->pixelMetric(QStyle::PM_TitleBarHeight) + rand, rand, rand};
}

QByteArray Gespeichert(const Anwendereinstellungen& einstellungen, const QString& schluessel) {
    return QByteArray::fromBase64(einstellungen.LeseText(schluessel, QString()).toLatin1());
}

bool IstTextfeld(const QWidget* widget) {
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget) ||
           qobject_cast<const QPlainTextEdit*>(widget) || qobject_cast<const QTextEdit*>(widget);
}

}  // namespace

void TfrmHauptMaske::GeometrieLaden() {
    const Anwendereinstellungen& einstellungen = umgebung_.Einstellungen();
    // A saved geometry is moved onto the screen by Qt when that screen is gone or smaller now.
    if (!restoreGeometry(Gespeichert(einstellungen, FensterSchluessel)))
        setGeometry(
            Startgeometrie(Bevorzugt, minimumSizeHint(), screen()->availableGeometry(), Rahmen(*this)));
    teilung_->restoreState(Gespeichert(einstellungen, TeilungSchluessel));
}

void TfrmHauptMaske::GeometrieSpeichern() const {
    const Anwendereinstellungen& einstellungen = umgebung_.Einstellungen();
    einstellungen.SchreibeText(FensterSchluessel, QString::fromLatin1(saveGeometry().toBase64()));
    einstellungen.SchreibeText(TeilungSchluessel, QString::fromLatin1(teilung_->saveState().toBase64()));
}

// A maximised window (the DXF preview) keeps its place.
void TfrmHauptMaske::DialogPlatzieren(QWidget* widget) const {
    auto* dialog = qobject_cast<QDialog*>(widget);
    if (!dialog || !dialog->parentWidget() || dialog->parentWidget()->window() != this ||
        (dialog->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        return;
    dialog->move(
        Zentriert(dialog->size(), geometry(), screen()->availableGeometry(), Rahmen(*this)).topLeft());
}

bool TfrmHauptMaske::HilfeTaste(QObject* objekt, QEvent* event) {
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1)
        return false;
    auto* widget = qobject_cast<QWidget*>(objekt);
    if (!widget || widget->window() == this || widget->window() == frmHilfe_) return false;
    QString thema;
    for (QWidget* fenster = widget->window(); fenster != this; fenster = fenster->parentWidget()->window()) {
        if (thema.isEmpty()) thema = fenster->property("Hilfethema").toString();
        if (!fenster->parentWidget()) return false;  // a window of its own, not one of this window's
    }
    HilfeZeigen(thema.isEmpty() ? QStringLiteral("MaskeHauptfenster") : thema);
    return true;
}

bool TfrmHauptMaske::Texttaste(QObject* objekt, QEvent* event) const {
    if (event->type() != QEvent::ShortcutOverride) return false;
    auto* widget = qobject_cast<QWidget*>(objekt);
    if (!widget || widget->window() != this || !IstTextfeld(widget)) return false;
    const auto* taste = static_cast<QKeyEvent*>(event);
    for (const auto tasten :
         {QKeySequence::Paste, QKeySequence::Copy, QKeySequence::Cut, QKeySequence::SelectAll})
        if (taste->matches(tasten)) {
            event->accept();
            return true;
        }
    return false;
}
