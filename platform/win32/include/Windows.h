// Same header under the spelling Windows code often uses on a case-insensitive file system.
#pragma once
#include "windows.h"
