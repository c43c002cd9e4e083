# Win32 resources for modules.
#
# A module's resources are its resource script compiled by llvm-rc into the standard .res format, carried
# byte for byte in an ELF section of their own, ".win32res", where the platform's resource functions find
# them.
#
#   geom_add_resources(TARGET <target> RC <script.rc> [INCLUDE_DIRS <dir>...] [DEPENDS <file>...])
#       Compiles the script and puts the result into <target>'s ".win32res" section.
#   geom_add_resource_module(NAME <target> RC <script.rc> OUTPUT_NAME <file name>
#                            [INCLUDE_DIRS <dir>...] [DEPENDS <file>...])
#       A module of resources only (no code) named exactly <file name>, e.g. Geometry.DEU, in the build's
#       bin/ folder.
#
# The script is preprocessed first, as rc does (RC_INVOKED and the Windows target's macros defined), so it
# may #include headers of #defines; the script's folder and INCLUDE_DIRS are searched for them and for the
# files the script names (bitmaps, cursors, icons). Edits of the script and of the headers it includes
# rebuild the resources by themselves; list the files it names under DEPENDS. Narrow strings in the script
# are UTF-8, the code page of this system.
#
# Include this file from the top-level CMakeLists.txt, before any target uses it: it enables the ASM
# language, which CMake wants done in the top directory.
include_guard(GLOBAL)

enable_language(ASM)

find_program(GEOM_LLVM_RC NAMES llvm-rc-14 llvm-rc HINTS /usr/lib/llvm-14/bin REQUIRED
             DOC "llvm-rc, the resource compiler")
# llvm-rc hands preprocessing to clang; run it ourselves so that the header dependencies are known and any
# clang of the machine does, wherever llvm-rc would have looked for one.
get_filename_component(_geom_llvm_rc_dir "${GEOM_LLVM_RC}" REALPATH)
get_filename_component(_geom_llvm_rc_dir "${_geom_llvm_rc_dir}" DIRECTORY)
find_program(GEOM_RC_CLANG NAMES clang-14 clang HINTS "${_geom_llvm_rc_dir}" /usr/lib/llvm-14/bin
             DOC "clang, the resource script's preprocessor")
if(NOT GEOM_RC_CLANG)
  message(FATAL_ERROR "Resource scripts are preprocessed with clang, which was not found: install clang-14.")
endif()

# Compiles <rc> into <res_var>'s file; <name> keeps the build files of one script apart.
function(_geom_compile_resources name rc res_var)
  cmake_parse_arguments(ARG "" "" "INCLUDE_DIRS;DEPENDS" ${ARGN})
  get_filename_component(rc_path "${rc}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
  get_filename_component(rc_dir "${rc_path}" DIRECTORY)
  set(work "${CMAKE_CURRENT_BINARY_DIR}/${name}.win32res")
  set(preprocessed "${work}/script.rc")
  set(res "${work}/resources.res")
  set(include_flags "-I${rc_dir}")
  set(rc_include_flags /I "${rc_dir}")
  foreach(dir IN LISTS ARG_INCLUDE_DIRS)
    get_filename_component(dir "${dir}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
    list(APPEND include_flags "-I${dir}")
    list(APPEND rc_include_flags /I "${dir}")
  endforeach()
  set(depends)
  foreach(file IN LISTS ARG_DEPENDS)
    get_filename_component(file "${file}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
    list(APPEND depends "${file}")
  endforeach()
  file(MAKE_DIRECTORY "${work}")
  # llvm-rc reads a leading slash as an option ("/check/..." is "/C heck/..."), so it gets the script by a
  # path relative to its working folder.
  file(RELATIVE_PATH preprocessed_arg "${rc_dir}" "${preprocessed}")
  # The preprocessor's options are the ones llvm-rc itself would give it. llvm-rc then looks for the files
  # the script names in its working folder first, which is the script's own.
  add_custom_command(
    OUTPUT "${res}"
    COMMAND "${GEOM_RC_CLANG}" --driver-mode=gcc -target x86_64-pc-windows-msvc-coff -E -xc -DRC_INVOKED
            ${include_flags} -MD -MF "${res}.d" -MT "${res}" -o "${preprocessed}" "${rc_path}"
    COMMAND "${GEOM_LLVM_RC}" -no-preprocess /C 65001 ${rc_include_flags} /FO "${res}" "${preprocessed_arg}"
    MAIN_DEPENDENCY "${rc_path}"
    DEPENDS ${depends}
    DEPFILE "${res}.d"
    WORKING_DIRECTORY "${rc_dir}"
    COMMENT "Compiling resources ${rc}"
    VERBATIM)
  set(${res_var} "${res}" PARENT_SCOPE)
endfunction()

# The assembler file that carries <res> into the ".win32res" section.
function(_geom_resource_section name res asm_var)
  set(asm "${CMAKE_CURRENT_BINARY_DIR}/${name}.win32res/section.s")
  # The section is allocated, not writable: read-only data of the module. The note keeps the stack of the
  # module not executable, which an assembler file would otherwise ask for.
  file(CONFIGURE OUTPUT "${asm}" CONTENT
"\t.section .win32res,\"a\",@progbits
\t.balign 4
\t.incbin \"${res}\"
\t.section .note.GNU-stack,\"\",@progbits
" @ONLY)
  # The object depends on the .res, which the assembler includes but does not report.
  set_source_files_properties("${asm}" PROPERTIES OBJECT_DEPENDS "${res}")
  set(${asm_var} "${asm}" PARENT_SCOPE)
endfunction()

function(geom_add_resources)
  cmake_parse_arguments(ARG "" "TARGET;RC" "INCLUDE_DIRS;DEPENDS" ${ARGN})
  if(NOT ARG_TARGET OR NOT ARG_RC)
    message(FATAL_ERROR "geom_add_resources: TARGET and RC are required")
  endif()
  _geom_compile_resources(${ARG_TARGET} "${ARG_RC}" res INCLUDE_DIRS ${ARG_INCLUDE_DIRS} DEPENDS ${ARG_DEPENDS})
  _geom_resource_section(${ARG_TARGET} "${res}" asm)
  target_sources(${ARG_TARGET} PRIVATE "${asm}" "${res}")
  set_source_files_properties("${res}" PROPERTIES HEADER_FILE_ONLY ON GENERATED ON)
endfunction()

function(geom_add_resource_module)
  cmake_parse_arguments(ARG "" "NAME;RC;OUTPUT_NAME" "INCLUDE_DIRS;DEPENDS" ${ARGN})
  if(NOT ARG_NAME OR NOT ARG_RC OR NOT ARG_OUTPUT_NAME)
    message(FATAL_ERROR "geom_add_resource_module: NAME, RC and OUTPUT_NAME are required")
  endif()
  set(output_dir "${CMAKE_LIBRARY_OUTPUT_DIRECTORY}")
  if(NOT output_dir)
    set(output_dir "${CMAKE_BINARY_DIR}/bin")
  endif()
  add_library(${ARG_NAME} MODULE)
  geom_add_resources(TARGET ${ARG_NAME} RC "${ARG_RC}" INCLUDE_DIRS ${ARG_INCLUDE_DIRS} DEPENDS ${ARG_DEPENDS})
  # Nothing but the section: without the C runtime's start-up files and libraries the module has no code
  # at all, so loading it runs nothing.
  target_link_options(${ARG_NAME} PRIVATE -nostdlib)
  set_target_properties(${ARG_NAME} PROPERTIES
    PREFIX ""
    SUFFIX ""
    OUTPUT_NAME "${ARG_OUTPUT_NAME}"
    LIBRARY_OUTPUT_DIRECTORY "${output_dir}"
    LINKER_LANGUAGE CXX)
endfunction()
