// The main window's capacity tables: the dialog, and the position a cell of it made.
#include "app/DesktopUmgebung.h"
#include "app/TfrmHauptMaske.h"
#include "app/TfrmTragfaehigkeitstabellen.h"

void TfrmHauptMaske::Tragfaehigkeitstabellen() {
    TfrmTragfaehigkeitstabellen dialog(Sitzung(), umgebung_.Dialoge(), *drucker_, this);
    if (dialog.exec() == QDialog::Accepted) PositionAnzeigen();
}
