#pragma once

#include <QDialog>

#include "dxf/DXF_Object.h"

class Dialogdienst;
class QLabel;
class Projektsitzung;
class Zoom_panel;

// "DXF Vorschau": a DXF document in the zoomable, scrollable panel, saved from there as a DXF file. The
// window owns its document and lives for one export or one file shown.
class TDXF_Anzeige_Form : public QDialog {
    Q_OBJECT
public:
    TDXF_Anzeige_Form(const Projektsitzung& sitzung, Dialogdienst& dialoge, char dezimaltrenner,
                      QWidget* parent = nullptr);

    // The document shown; fill it before the window is shown.
    DXF_Object& DXF_main() { return DXF_main_; }
    Zoom_panel& Zoombox() { return *Zoombox_; }

    // "als DXF &speichern": the save dialog, then the document as a file; the window stays open.
    void SaveButtonClick();
    // The open dialog, then the file read into the window; false when nothing was read.
    bool LoadButtonClick();
    // Replaces the document by a DXF file and shows it in full; false after a notice when it was not read.
    bool read_dxf_file(const QString& name);
    // The drawing in the panel's size as a vector picture on the clipboard.
    void CopyClipButtonClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The full view of the document's entities, as the window opens.
    void FormActivate();
    // What the document holds and does not show, in the bar above the drawing.
    void NichtDargestelltZeigen();

    const Projektsitzung& sitzung_;
    Dialogdienst& dialoge_;
    DXF_Object DXF_main_;
    bool database_loaded = false;
    Zoom_panel* Zoombox_;
    QLabel* nichtDargestellt_;
};
