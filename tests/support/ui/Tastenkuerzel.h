#pragma once

#include <gtest/gtest.h>

class QString;
class QWidget;

// Succeeds when the window can be worked from the keyboard: every push button, menu title and menu
// entry has a mnemonic, and no two controls that can show at the same time (buttons, check boxes,
// radio buttons, labels with a buddy, group boxes, tabs, menu titles) nor two entries of one menu
// share one. The failure names each control without one and each clash.
::testing::AssertionResult kuerzelEindeutig(const QWidget& fenster);

// The text as the control shows it: without the ampersand that marks the mnemonic.
QString ohneKuerzel(const QString& text);
