#include "b/B.h"

#include "a/A.h"
