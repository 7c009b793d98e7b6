#pragma once

#include "common/Text.h"

class Motor {};
