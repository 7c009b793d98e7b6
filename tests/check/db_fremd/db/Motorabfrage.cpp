#include "db/Motor.h"

const char* const fahrzeuge = "SELECT KZuFzg FROM T_KFZ";
