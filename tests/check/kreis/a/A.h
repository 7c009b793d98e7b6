#pragma once

#include "b/B.h"

class A {};
