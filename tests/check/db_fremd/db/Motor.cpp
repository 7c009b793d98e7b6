#include "db/Motor.h"

#include "logbuch/Logbuch.h"
