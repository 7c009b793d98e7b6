#pragma once

class QWidget;

// Moves a window so that it sits centred over the window of its parent (the main window).
void ueberElternZentrieren(QWidget* fenster);
