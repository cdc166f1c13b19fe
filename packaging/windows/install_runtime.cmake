# SPDX-License-Identifier: MIT
# Run by cmake --install (see CMakeLists.txt beside it): installs Qt's plug-ins, each in the
# folder named as its folder in Qt's plugins/, then beside the programs every DLL that the
# programs and the plug-ins import, at any depth, from QXG_QT_DLL_DIR or QXG_RUNTIME_DLL_DIRS,
# then the licences of what it installed: Qt's, with a README naming the modules shipped, and the
# Debian copyright file of each runtime DLL. A DLL found in none of those folders is Windows' own.
# Set by the caller: QXG_PROGRAMS, QXG_PLUGINS, QXG_QT_DLL_DIR, QXG_RUNTIME_DLL_DIRS,
# QXG_QT_LICENSES (empty without Qt or its licences), QXG_OBJDUMP, QXG_STRIP, QXG_WORK.

set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND ${QXG_OBJDUMP})

# CMake looks DLLs up by their names in lower case, as Windows does, and so misses Qt6Core.dll
# in a folder whose file names are case-sensitive. The DLLs are looked up instead in a folder of
# links named in lower case; the first folder that has a name wins, as on Windows' search path.
# QXG_FROM_<name> keeps the file each link stands for.
function(qxg_link_dlls_in_lower_case folder)
  file(REMOVE_RECURSE ${folder})
  file(MAKE_DIRECTORY ${folder})
  foreach(dir IN LISTS QXG_QT_DLL_DIR QXG_RUNTIME_DLL_DIRS)
    file(GLOB dlls LIST_DIRECTORIES false "${dir}/*.[dD][lL][lL]")
    foreach(dll IN LISTS dlls)
      get_filename_component(name ${dll} NAME)
      string(TOLOWER ${name} name)
      if(NOT DEFINED QXG_FROM_${name})
        file(CREATE_LINK ${dll} ${folder}/${name} SYMBOLIC COPY_ON_ERROR)
        set(QXG_FROM_${name} ${dll} PARENT_SCOPE)
        set(QXG_FROM_${name} ${dll})
      endif()
    endforeach()
  endforeach()
endfunction()

# file(INSTALL) lists what it installs in CMAKE_INSTALL_MANIFEST_FILES, in its caller's scope:
# the functions below that install hand the list up.
macro(qxg_install_dll file folder)
  file(INSTALL DESTINATION ${folder} TYPE SHARED_LIBRARY FILES ${file})
  if(CMAKE_INSTALL_DO_STRIP)
    get_filename_component(qxg_name ${file} NAME)
    execute_process(COMMAND ${QXG_STRIP} --strip-unneeded $ENV{DESTDIR}${folder}/${qxg_name}
                    COMMAND_ERROR_IS_FATAL ANY)
  endif()
endmacro()

# "A, B and C"
function(qxg_join_as_prose out)
  list(POP_BACK ARGN last)
  list(JOIN ARGN ", " joined)
  if(joined)
    set(${out} "${joined} and ${last}" PARENT_SCOPE)
  else()
    set(${out} "${last}" PARENT_SCOPE)
  endif()
endfunction()

function(qxg_install_qt_licenses modules)
  file(STRINGS ${QXG_QT_LICENSES}/source-version source)
  string(REGEX REPLACE "^qt6-base " "" version "${source}")
  qxg_join_as_prose(modules ${modules})
  file(WRITE ${QXG_WORK}/README.txt "\
Qt ${version}
Its modules shipped here: Qt ${modules}.
Its plug-ins shipped here: the Windows platform plug-in and the Windows styles.

Qt is used under the GNU Lesser General Public License version 3 (LGPL-3.0-only.txt; it refers
to GPL-3.0-only.txt). Its source is Debian's source package qt6-base of that version:
\"apt-get source qt6-base=VERSION\" on Debian, or https://sources.debian.org/src/qt6-base/. The
libraries were built unchanged from it, as scripts/windows in QX Geomancy's source does.
copyright lists the licences of the parts Qt bundles (zlib, PCRE2, libpng, FreeType, HarfBuzz
and others).
")
  file(INSTALL DESTINATION ${CMAKE_INSTALL_PREFIX}/licenses/Qt
       FILES ${QXG_QT_LICENSES}/LGPL-3.0-only.txt ${QXG_QT_LICENSES}/GPL-3.0-only.txt
             ${QXG_QT_LICENSES}/copyright ${QXG_WORK}/README.txt)
  set(CMAKE_INSTALL_MANIFEST_FILES "${CMAKE_INSTALL_MANIFEST_FILES}" PARENT_SCOPE)
endfunction()

# The runtime's licence is the copyright file of the Debian package the DLL came from.
function(qxg_install_runtime_licenses)
  set(packages "")
  foreach(dll IN LISTS ARGN)
    execute_process(COMMAND dpkg-query -S ${dll} OUTPUT_VARIABLE owner RESULT_VARIABLE status
                    ERROR_QUIET)
    string(REGEX MATCH "^[^:,]+" package "${owner}")
    if(NOT status EQUAL 0 OR NOT EXISTS /usr/share/doc/${package}/copyright)
      message(WARNING "No Debian package owns ${dll}: its licence must be shipped by hand.")
    else()
      list(APPEND packages ${package})
    endif()
  endforeach()
  list(REMOVE_DUPLICATES packages)
  foreach(package IN LISTS packages)
    file(INSTALL DESTINATION ${CMAKE_INSTALL_PREFIX}/licenses/MinGW-w64
         FILES /usr/share/doc/${package}/copyright RENAME ${package}.txt)
  endforeach()
  set(CMAKE_INSTALL_MANIFEST_FILES "${CMAKE_INSTALL_MANIFEST_FILES}" PARENT_SCOPE)
endfunction()

function(qxg_install_runtime)
  qxg_link_dlls_in_lower_case(${QXG_WORK}/dlls)
  file(GET_RUNTIME_DEPENDENCIES
       EXECUTABLES ${QXG_PROGRAMS}
       MODULES ${QXG_PLUGINS}
       DIRECTORIES ${QXG_WORK}/dlls
       RESOLVED_DEPENDENCIES_VAR found
       UNRESOLVED_DEPENDENCIES_VAR windows_own)
  list(JOIN windows_own ", " windows_own)
  message(STATUS "Windows' own DLLs, not shipped: ${windows_own}")

  foreach(plugin IN LISTS QXG_PLUGINS)
    get_filename_component(type ${plugin} DIRECTORY)
    get_filename_component(type ${type} NAME)
    qxg_install_dll(${plugin} ${CMAKE_INSTALL_PREFIX}/${type})
  endforeach()

  set(qt_modules "")
  set(runtime_dlls "")
  foreach(link IN LISTS found)
    get_filename_component(name ${link} NAME)
    set(dll ${QXG_FROM_${name}})
    qxg_install_dll(${dll} ${CMAKE_INSTALL_PREFIX})
    get_filename_component(dir ${dll} DIRECTORY)
    get_filename_component(name ${dll} NAME)
    if(NOT dir STREQUAL QXG_QT_DLL_DIR)
      list(APPEND runtime_dlls ${dll})
    elseif(name MATCHES "^Qt6(.+)\\.dll$")
      list(APPEND qt_modules ${CMAKE_MATCH_1})
    endif()
  endforeach()

  list(SORT qt_modules)
  if(qt_modules AND QXG_QT_LICENSES)
    qxg_install_qt_licenses("${qt_modules}")
  endif()
  qxg_install_runtime_licenses(${runtime_dlls})
  set(CMAKE_INSTALL_MANIFEST_FILES "${CMAKE_INSTALL_MANIFEST_FILES}" PARENT_SCOPE)
endfunction()

qxg_install_runtime()
