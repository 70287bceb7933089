# cmake -DOBJDUMP=... -DPROGRAM=prog.exe -P CheckImports.cmake
# Fails unless every DLL that PROGRAM's import table names is one that Windows
# always loads from its own folder (a known DLL), so that no DLL planted
# beside the program can take its place at start-up. DLLs the programs need
# beyond these are loaded from the system folder at run time
# (LoadSystemLibrary).
cmake_policy(SET CMP0057 NEW)
set(_allowed KERNEL32.DLL USER32.DLL GDI32.DLL ADVAPI32.DLL MSVCRT.DLL)
execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE _dump RESULT_VARIABLE _rc)
if(NOT _rc EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} could not read ${PROGRAM}")
endif()
string(REGEX MATCHALL "DLL Name: [^\r\n]+" _lines "${_dump}")
if(NOT _lines)
  message(FATAL_ERROR "${PROGRAM}: no import table found")
endif()
set(_foreign "")
foreach(_line IN LISTS _lines)
  string(REGEX REPLACE "^DLL Name: *" "" _dll "${_line}")
  string(STRIP "${_dll}" _dll)
  string(TOUPPER "${_dll}" _dll)
  if(NOT _dll IN_LIST _allowed)
    list(APPEND _foreign ${_dll})
  endif()
endforeach()
if(_foreign)
  message(FATAL_ERROR "${PROGRAM} imports ${_foreign}: only ${_allowed} may be imported; "
                      "load other system DLLs with LoadSystemLibrary")
endif()
