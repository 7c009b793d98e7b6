// A rule uses Qt Core, and an action from Qt Gui is no widget.
#include <QAction>
#include <QString>
