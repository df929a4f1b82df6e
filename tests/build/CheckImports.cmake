# usage: cmake -DOBJDUMP=<objdump> -DPROGRAM=<exe> -DFORMAT=<bfd format> -DALLOWED=<dll;...> -P CheckImports.cmake
# Fails unless PROGRAM has the given format, runs in the Windows GUI subsystem and imports only
# DLLs from ALLOWED (names without ".dll", compared without regard to case).
cmake_policy(VERSION 3.20)

foreach(variable OBJDUMP PROGRAM FORMAT ALLOWED)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "${variable} is not set")
  endif()
endforeach()
if(NOT EXISTS "${PROGRAM}")
  message(FATAL_ERROR "${PROGRAM} does not exist; build it first")
endif()

execute_process(COMMAND "${OBJDUMP}" -p "${PROGRAM}"
  OUTPUT_VARIABLE dump ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} -p ${PROGRAM} failed (${status}): ${errors}")
endif()

set(failures "")

string(REGEX MATCH "file format ([^\r\n]+)" format_line "${dump}")
if(NOT CMAKE_MATCH_1 STREQUAL FORMAT)
  list(APPEND failures "file format is '${CMAKE_MATCH_1}', expected '${FORMAT}'")
endif()

if(NOT dump MATCHES "\nSubsystem[ \t]+00000002[ \t]+\\(Windows GUI\\)")
  list(APPEND failures "not a Windows GUI program")
endif()

string(REGEX MATCHALL "DLL Name: [^\r\n]+" dll_lines "${dump}")
if(NOT dll_lines)
  list(APPEND failures "no imported DLL found in the objdump output")
endif()
set(imported "")
foreach(line IN LISTS dll_lines)
  string(REGEX REPLACE "^DLL Name: *" "" dll "${line}")
  string(STRIP "${dll}" dll)
  string(TOLOWER "${dll}" dll)
  list(APPEND imported "${dll}")
  string(REGEX REPLACE "\\.dll$" "" base "${dll}")
  if(base STREQUAL "version")
    list(APPEND failures "imports version.dll, which must be loaded at run time from System32 only")
  elseif(NOT base IN_LIST ALLOWED)
    list(APPEND failures "imports ${dll}, which Windows does not ship")
  endif()
endforeach()

if(failures)
  list(JOIN failures "\n  " text)
  message(FATAL_ERROR "${PROGRAM}:\n  ${text}")
endif()
list(JOIN imported ", " text)
message(STATUS "${PROGRAM}: ${FORMAT}, imports ${text}")
