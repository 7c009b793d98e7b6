#pragma once

#include <gtest/gtest.h>

class QWidget;

// Succeeds when the window shows every text whole: each visible one-line label, check box, radio
// button and push button is as wide as its text needs and a line high, each header section of a
// table is as wide as its caption (or elides it and names it in a tooltip), and each table row is as
// high as its cells' text needs. The failure names each one that is cut.
::testing::AssertionResult texteGanz(const QWidget& fenster);
