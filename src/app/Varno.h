#pragma once

#include <QObject>

class THauptform;
class TF_ProgressBar;
class TF_Start;

// The program: creates every window once, wires them together and starts the main window.
// Tests create it in-process and call starten(false) to skip the splash wait.
class Varno : public QObject {
    Q_OBJECT
public:
    Varno();
    ~Varno() override;

    // Shows the splash window (when wanted) and then the main window.
    void starten(bool mitStartbild = true);

    THauptform* hauptform() const { return hauptform_; }
    TF_ProgressBar* fortschritt() const { return fortschritt_; }

private:
    void verbinden();

    THauptform* hauptform_;
    TF_ProgressBar* fortschritt_;
    TF_Start* start_;
};
