#pragma once

class QEvent;

// Whether the event is the user leaving a field: its focus went to another control of the program.
// Switching to another program or opening a list or menu leaves the field where it is.
bool verlaesstFeld(const QEvent* event);
