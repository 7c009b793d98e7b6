#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class Sitzung;

// The about box: the program's name, its picture, the version of this build and where the logbook lives.
class TF_ueber : public QWidget {
    Q_OBJECT
public:
    explicit TF_ueber(const Sitzung& sitzung, QWidget* parent = nullptr);

    QLabel* Image1;
    QLabel* LVersion;
    QLabel* LDatenbank;
    QPushButton* BtSchliessen;

public slots:
    void FormActivate();

protected:
private:
    const Sitzung& sitzung_;
};
