#pragma once
#  include <QtWidgets/QLabel>
