#pragma once

// The code-page conversion lives with the platform, which the core stands on.
#include "platform/codepage1253.h"
