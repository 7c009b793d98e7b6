#pragma once

#include "app/Varno.h"
#include "support/TestDatabase.h"

#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// The moment before the program starts: a working directory with a logbook of one vehicle
// ("B-XY 1, Golf") and a backup of it elsewhere, the program's connection closed; the program's
// session starts without a logbook.
class Programmstart : public ::testing::Test {
protected:
    void SetUp() override;

    // Starts the program as main() does, without the splash wait.
    void starten();

    TestDatabase db;
    QTemporaryDir ablage;
    QString sicherung;
    Varno varno{db.file()};
};
