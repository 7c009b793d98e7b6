#pragma once

#include <QPixmap>
#include <QSize>

// The program's picture (a car on the road under the name), drawn rather than shipped as a file.
QPixmap varnoBild(const QSize& size);
