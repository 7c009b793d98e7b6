#pragma once

#include <QDialog>

class QPushButton;
class QRadioButton;

// Asks the user to connect the serial recorder and records its connection settings (operating
// system and serial port) in the options. It only stores the choice; nothing talks to the device.
// Shown without blocking by the new-vehicle window; every activation shows the stored choice.
class TF_mirel_Verbindung : public QDialog {
    Q_OBJECT
public:
    explicit TF_mirel_Verbindung(QWidget* parent = nullptr);

    QRadioButton* RB_BS1;
    QRadioButton* RB_BS2;
    QRadioButton* RB_S1;
    QRadioButton* RB_S2;
    QPushButton* BtOK;
    QPushButton* BtAbbrechen;

public slots:
    void FormActivate();
    void BtOKClick();
    void BtAbbrechenClick();

protected:
private:
};
