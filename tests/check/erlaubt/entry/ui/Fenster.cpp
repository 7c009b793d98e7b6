// A window may use widgets.
#include <QLineEdit>
#include <QWidget>
