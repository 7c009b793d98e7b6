#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QPushButton;

// The options: sample vehicle in evaluations, start with the last vehicle, and the limits of one
// trip (longest duration, highest average speed). Shown modally by the main window; reads the
// options row on every showing and writes it only on "OK" or "Übernehmen".
class TF_Optionen : public QDialog {
    Q_OBJECT
public:
    explicit TF_Optionen(QWidget* parent = nullptr);

    QCheckBox* cbxMusterKFZ;
    QCheckBox* cbxLKFZ;
    QComboBox* cbTFahrt;
    QComboBox* cbV;
    QPushButton* btOK;
    QPushButton* btAbbrechen;
    QPushButton* btUebernehmen;

public slots:
    void FormShow();
    void Reload();
    void Speichern();
    void btOKClick();
    void btUebernehmenClick();
    void btAbbrechenClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void geaendert();
};
