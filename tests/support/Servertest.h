#pragma once

#include "db/Database.h"
#include "db/Serveranmeldung.h"
#include "support/Testserver.h"

#include <gtest/gtest.h>

// A test on the PostgreSQL test cluster: skipped without one, starting with no password remembered
// from an earlier test, and leaving no connection open. A fixture that adds to SetUp returns when
// IsSkipped().
template <class Basis = ::testing::Test> class Servertest : public Basis {
protected:
    void SetUp() override
    {
        if (!testserver::adresse())
            GTEST_SKIP() << testserver::fehlt;
        Serveranmeldung::passwoerterVergessen();
    }
    void TearDown() override { Database::schliessen(); }
};
