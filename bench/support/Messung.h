#pragma once

#include <QElapsedTimer>
#include <QString>

#include <optional>

// The mean time of a measured step in milliseconds, kept under a name for the ratios a benchmark
// prints at its end (Google Benchmark reports each benchmark alone).
class Messung {
public:
    explicit Messung(const QString& name) : name_(name) {}
    ~Messung();
    Messung(const Messung&) = delete;
    Messung& operator=(const Messung&) = delete;

    template <typename Schritt> void messen(Schritt schritt)
    {
        QElapsedTimer uhr;
        uhr.start();
        schritt();
        eintragen(uhr);
    }

    // One more measured time: what `uhr` took since it started.
    void eintragen(const QElapsedTimer& uhr)
    {
        eintragen(static_cast<double>(uhr.nsecsElapsed()) / 1e6);
    }

    // One more measured time in milliseconds, however it was taken (the CPU time of a step).
    void eintragen(double ms)
    {
        gesamtMs_ += ms;
        ++anzahl_;
    }

private:
    QString name_;
    double gesamtMs_ = 0;
    int anzahl_ = 0;
};

// What follows prints one row of the table scripts/bench.sh gathers from every benchmark's output:
// "Maß | <was> | <Wert> | <Boden> | <Verhältnis> | <Ziel> | <erreicht>". A measure that did not
// run (no PostgreSQL cluster, a benchmark filtered out) still gets its row, "nicht gemessen".

// The measured step `programm` against its floor `boden`; `hoechstens` is the ratio to keep to.
void verhaeltnisZeigen(const QString& was, const QString& programm, const QString& boden,
                       std::optional<double> hoechstens = std::nullopt);

// A value without a floor, which must stay at or below `hoechstens` (in `einheit`).
void grenzeZeigen(const QString& was, std::optional<double> wert, const QString& einheit, double hoechstens);

// The mean time of the measured step `name`; none when it did not run.
std::optional<double> gemessenMs(const QString& name);
