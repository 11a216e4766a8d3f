// COM start-up lives in windows.h here; this keeps the Windows include spelling working.
#pragma once
#include "windows.h"
