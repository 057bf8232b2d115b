#pragma once

#include "platform/Registry.h"

Registry& TheWin32Registry();
