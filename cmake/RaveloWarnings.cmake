# ravelo_warnings(target): the project's warning level, for GCC, Clang and MSVC.
function(ravelo_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 /permissive-)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion)
  endif()
endfunction()

# ravelo_core_library(name dir DEPS...): a static library of every .cpp in
# dir/core. A portable interface may have a platform half: files in core
# ending in _posix.cpp for the other systems, and on Windows the files in
# dir/platform/win instead (Win32 code stays out of core).
function(ravelo_core_library name dir)
  file(GLOB _src CONFIGURE_DEPENDS ${dir}/core/*.cpp)
  if(WIN32)
    list(FILTER _src EXCLUDE REGEX "_posix\\.cpp$")
    file(GLOB _platform CONFIGURE_DEPENDS ${dir}/platform/win/*.cpp)
    list(APPEND _src ${_platform})
  endif()
  if(_src)
    add_library(${name} STATIC ${_src})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARGN})
    ravelo_warnings(${name})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE ${ARGN})
  endif()
endfunction()

# ravelo_program(name dir rcfile LIBS...): a Windows GUI program from dir/win,
# written straight into the staged installation's bin folder.
function(ravelo_program name dir rcfile)
  file(GLOB _src CONFIGURE_DEPENDS ${dir}/win/*.cpp)
  add_executable(${name} WIN32 ${_src} ${rcfile})
  target_link_libraries(${name} PRIVATE ${ARGN})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${RAVELO_STAGE_BIN})
  foreach(cfg Debug Release RelWithDebInfo MinSizeRel)
    string(TOUPPER ${cfg} CFG)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY_${CFG} ${RAVELO_STAGE_BIN})
  endforeach()
  if(MINGW)
    target_link_options(${name} PRIVATE -municode)
  endif()
  ravelo_warnings(${name})
  add_dependencies(${name} ravelo_skin)
  ravelo_check_imports(${name})
endfunction()

# ravelo_check_imports(target): the build of target fails when its import
# table names a DLL outside the known system DLLs (cmake/CheckImports.cmake).
function(ravelo_check_imports target)
  if(CMAKE_OBJDUMP)
    add_custom_command(TARGET ${target} POST_BUILD
      COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${CMAKE_OBJDUMP} -DPROGRAM=$<TARGET_FILE:${target}>
              -P ${PROJECT_SOURCE_DIR}/cmake/CheckImports.cmake
      VERBATIM)
  endif()
endfunction()
