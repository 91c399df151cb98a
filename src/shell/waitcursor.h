#pragma once

// The hourglass belongs to the platform layer, where the printing windows use it too.
#include "platform/waitcursor.h"
