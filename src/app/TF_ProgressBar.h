#pragma once

#include <QWidget>

class QProgressBar;

// Borderless progress window shown over the main window while a long list is filled.
class TF_ProgressBar : public QWidget {
    Q_OBJECT
public:
    explicit TF_ProgressBar(QWidget* parent = nullptr);

    // Shows the window at 0 %, centred on the main window it belongs to (without one, on `ueber`).
    void starten(const QWidget* ueber);
    void setzen(int prozent);
    void beenden();
    int prozent() const;

private:
    QProgressBar* ProgressBar1;
};
