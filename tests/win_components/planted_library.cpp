// A stand-in planted beside system_library_tests under the name of a system
// DLL (winmm.dll): LoadSystemLibrary must never load it.
#include <windows.h>

extern "C" __declspec(dllexport) int RaveloPlantedLibrary() { return 1; }
