#pragma once

#include "evaluation/Fahrtenfilter.h"

#include <QObject>

#include <optional>

class AuswertungStore;
class QComboBox;
class QLineEdit;
class Sitzung;
struct Ui_TF_AuswertungMirel;

// The filter part of the evaluation: fills its lists, resets it, and keeps the Fahrtenfilter in
// step with its controls. The lists set their IDs as the user chooses, the date boxes their
// bounds, and the odometer fields are checked whenever they are left; a bound the user was told
// is wrong takes the focus back.
class Auswertungsfilter : public QObject {
    Q_OBJECT
public:
    Auswertungsfilter(Ui_TF_AuswertungMirel& ui, const AuswertungStore& store, const Sitzung& sitzung,
                      QObject* parent);

    const Fahrtenfilter& filter() const { return filter_; }

    // Every list afresh, the current vehicle chosen (all vehicles when the list hides it).
    void FillComboBox();
    // Back to the whole period and every value; the chosen vehicle stays.
    void ClrFilter();

    void eKMAbfExit();
    void eKMAnkExit();
    void cbxAbDatClick();
    void cbxAnDatClick();
    void dtpAbDatCloseUp();
    void dtpAnDatCloseUp();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void auswahlGeaendert();
    bool kmGrenzeLesen(QLineEdit* feld, int standard, int& grenze);

    Ui_TF_AuswertungMirel& ui_;
    const AuswertungStore& store_;
    const Sitzung& sitzung_;
    Fahrtenfilter filter_;
    bool meldetFehler_ = false;
};
