#include <QString>
#include <QComboBox>
