#pragma once

#include <gtest/gtest.h>

class QWidget;

// Succeeds when every visible one-line label, check box, radio button and push button of the window
// is at least as wide as its text needs; the failure names each one that is cut.
::testing::AssertionResult texteGanz(const QWidget& fenster);
