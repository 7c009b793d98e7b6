#pragma once

#include <QLineEdit>

// An odometer field of the vehicle windows: up to 7 digits, a click selects the whole reading,
// and leaving it writes the reading back without leading zeros (kmFormat).
class Kilometerstandfeld : public QLineEdit {
    Q_OBJECT
public:
    explicit Kilometerstandfeld(const QString& name, QWidget* parent = nullptr);

    // The reading, 0 for an empty field.
    int wert() const;
    // Applies kmFormat; the text changes only when the normalised form differs.
    void normalisieren();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};
