#pragma once

#include <QListWidget>

class QComboBox;

// The opened list of a selection field while the user types into it. Unlike the combo box's own
// drop-down it never takes the keyboard, so typing goes on in the field.
class Vorschlagsliste : public QListWidget {
    Q_OBJECT
public:
    explicit Vorschlagsliste(QWidget* parent);

    void zeigen(QComboBox* feld, const QString& aktuell);
    void schliessen();
    QComboBox* feld() const { return feld_; }

signals:
    // The user clicked an entry; the field already holds it.
    void gewaehlt(QComboBox* feld);

private:
    QComboBox* feld_ = nullptr;
};
