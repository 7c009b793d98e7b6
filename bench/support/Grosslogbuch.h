#pragma once

#include <QString>
#include <QTemporaryDir>

// A logbook of 1,000,000 trips (10 vehicles, 20 drivers, 10 years), open as the program's
// database while the object lives. VARNO_BENCH_DB names a file to keep it in and to reuse on the
// next run, since writing it takes a while.
class Grosslogbuch {
public:
    static constexpr int fahrten = 1'000'000;
    static constexpr int fahrzeuge = 10;
    static constexpr int fahrer = 20;
    static constexpr int erstesFahrzeug = 2; // ID 1 is the sample vehicle

    Grosslogbuch();
    ~Grosslogbuch();
    Grosslogbuch(const Grosslogbuch&) = delete;
    Grosslogbuch& operator=(const Grosslogbuch&) = delete;

    const QString& datei() const { return datei_; }

private:
    QTemporaryDir verzeichnis_;
    QString datei_;
};
