#pragma once

#include <QObject>

class QComboBox;
class QLineEdit;

// A field the user cannot edit (disabled or read-only) shows the beginning of a long text, not
// its end where setting a text leaves the cursor.
class Feldanfang : public QObject {
    Q_OBJECT
public:
    static void einrichten(QLineEdit* feld);
    // For an editable drop-down: its edit line. A drop-down list shows the beginning anyway.
    static void einrichten(QComboBox* feld);

protected:
    bool eventFilter(QObject* beobachtet, QEvent* ereignis) override;

private:
    explicit Feldanfang(QLineEdit* feld);
    void anfangZeigen();

    QLineEdit* feld_;
};
