#pragma once

#include "db/Sperrwarten.h"

#include <QDialog>

class QLabel;

// Shown while a save waits for another user who is storing at the same moment: how long it has
// waited, and a button to give up, which stores nothing. Modal, so nothing else starts meanwhile.
class Wartefenster : public QDialog, public Sperrwarter {
    Q_OBJECT
public:
    explicit Wartefenster(QWidget* parent = nullptr);
    ~Wartefenster() override;

    bool weiterWarten(std::chrono::milliseconds gewartet) override;
    void warteEnde() override;
    void reject() override;

private:
    QLabel* LbGewartet;
    bool abgebrochen_ = false;
};
