#pragma once

#include "platform/FileSystem.h"

FileSystem& TheWin32FileSystem();
