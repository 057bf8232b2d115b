#pragma once

#include "platform/Profiles.h"

Profiles& TheWin32Profiles();
