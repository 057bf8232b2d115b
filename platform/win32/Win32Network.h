#pragma once

#include "platform/Network.h"

// Winsock, started on first use.
Network& TheWin32Network();
