# The core (everything outside the qt/ folders and the Qt-only folders) is standard
# C++ only. A core file that includes a Qt header stops the configuration.
set(TAVOLORA_CORE_DIRS core program engine players table storage setup platform)

function(tavolora_check_core_without_qt source_dir)
  set(offenders "")
  foreach(dir IN LISTS TAVOLORA_CORE_DIRS)
    file(GLOB_RECURSE files "${source_dir}/${dir}/*.h" "${source_dir}/${dir}/*.cpp")
    foreach(file IN LISTS files)
      if(file MATCHES "/qt/")
        continue()
      endif()
      file(STRINGS "${file}" hits REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]Q[A-Za-z]")
      if(hits)
        list(APPEND offenders "${file}")
      endif()
    endforeach()
  endforeach()
  if(offenders)
    list(JOIN offenders "\n  " listed)
    message(FATAL_ERROR "The core must not include Qt; these files do:\n  ${listed}")
  endif()
endfunction()

# Run as a script: cmake -DSOURCE_DIR=... -P CoreWithoutQt.cmake
if(CMAKE_SCRIPT_MODE_FILE AND SOURCE_DIR)
  tavolora_check_core_without_qt(${SOURCE_DIR})
endif()
