// The message-cracking macros live in windows.h here; this keeps the Windows include spelling working.
#pragma once
#include "windows.h"
