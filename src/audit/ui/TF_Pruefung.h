#pragma once

#include <QWidget>

class Pruefstand;
class QPlainTextEdit;
class QPushButton;

// "Fahrtenbuch prüfen": recomputes the chains each time it is shown and reports in German that
// every entry is unchanged, or names each row that no longer fits.
class TF_Pruefung : public QWidget {
    Q_OBJECT
public:
    explicit TF_Pruefung(Pruefstand& stand, QWidget* parent = nullptr);

    QPlainTextEdit* MBericht;
    QPushButton* btSchliessen;

public slots:
    void FormShow();

protected:
private:
    Pruefstand& stand_;
};
