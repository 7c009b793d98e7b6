#pragma once

#include <QElapsedTimer>
#include <QString>

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
        gesamtMs_ += static_cast<double>(uhr.nsecsElapsed()) / 1e6;
        ++anzahl_;
    }

private:
    QString name_;
    double gesamtMs_ = 0;
    int anzahl_ = 0;
};

// Prints "<was>: <programm> ms zu <boden> ms, Verhältnis <programm / boden>" when both were measured.
void verhaeltnisZeigen(const QString& was, const QString& programm, const QString& boden);
