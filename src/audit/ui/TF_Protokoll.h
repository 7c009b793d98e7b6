#pragma once

#include <QWidget>

class QPushButton;
class QTableWidget;

// "Protokoll": every recorded change of stored data outside the trip rows, oldest first. Each
// showing reads it afresh.
class TF_Protokoll : public QWidget {
    Q_OBJECT
public:
    explicit TF_Protokoll(QWidget* parent = nullptr);

    QTableWidget* sgProtokoll;
    QPushButton* btSchliessen;

public slots:
    void FormShow();

protected:
};
