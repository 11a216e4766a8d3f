// Resource ids of the executable; the images are compiled in by the build.
#pragma once

#define IDI_TESSVANE 101
