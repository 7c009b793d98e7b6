#pragma once

#include <QString>

// The local time-stamping service of the test run (scripts/tsa-testdienst.sh).
namespace testdienst {

inline constexpr auto fehlt = "VARNO_TEST_TSA ist nicht gesetzt: der Test-Zeitstempeldienst fehlt "
                              "(source scripts/tsa-testdienst.sh && tsa_testdienst_start).";

// Its address, with `pfad` ("fremd", "fehler", …) appended; empty when no service runs.
QString adresse(const QString& pfad = {});
// The certificate of the CA that signed its service.
QString ca();

// The options of the open logbook name the service at `pfad`, trusting its CA.
void einstellen(const QString& pfad = {});

} // namespace testdienst

// Skips a test that needs the service when none runs, as the server tests do without a cluster.
#define DIENST_ERFORDERLICH()                                                                                          \
    if (testdienst::adresse().isEmpty())                                                                               \
    GTEST_SKIP() << testdienst::fehlt
