#pragma once

class QApplication;

// Hints appear after half a second and stay five seconds, program-wide.
void HinweiszeitenEinstellen(QApplication& app);
