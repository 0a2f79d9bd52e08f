# Delay-loaded system DLLs for MinGW builds: kova_delay_import(<var> <name>...) makes,
# at configure time, an import library for each lib<name>.a of the toolchain whose
# functions load their DLL on the first call (through __delayLoadHelper2 from
# libmingwex) instead of at process start, and sets <var> to the list of those
# libraries. The code that calls into the DLL is written as usual. Only functions are
# delay-loaded: a data export of such a DLL is left out and fails to link, a hint to
# import that DLL the ordinary way.
#
# Each library is built from the toolchain's own import library, so it offers the same
# names; on i686 the stdcall decorations stay on the symbols and come off the imported
# names, as in the ordinary import libraries.
#
# On i686 the result is one relocatable object per DLL instead of an archive: GNU ld's
# i386 PE target drops the jump stub of every import-library member whose stub symbol
# nobody calls directly. Calls through __declspec(dllimport) use only the slot, and a
# delay-load slot starts out pointing into that stub, so from an archive every slot
# would be left at 0. Members of a plain object are never dropped; the unused stubs
# cost a few bytes each.

# Links the members of the delay-import archive <archive> into the one object <object>:
# the head first, then the stubs, then the tail that ends the address table.
function(kova_delay_object archive object)
  set(work "${object}.members")
  file(REMOVE_RECURSE "${work}")
  file(MAKE_DIRECTORY "${work}")
  execute_process(COMMAND "${CMAKE_AR}" x "${archive}" WORKING_DIRECTORY "${work}"
    RESULT_VARIABLE rc ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${CMAKE_AR} cannot unpack ${archive}: ${err}")
  endif()
  # dlltool names the members after the archive's path: <path>_a_h.o, _a_s<n>.o, _a_t.o.
  file(GLOB head "${work}/*_a_h.o")
  file(GLOB stubs "${work}/*_a_s*.o")
  file(GLOB tail "${work}/*_a_t.o")
  list(SORT stubs)
  execute_process(COMMAND "${CMAKE_LINKER}" -r -o "${object}" ${head} ${stubs} ${tail}
    RESULT_VARIABLE rc ERROR_VARIABLE err)
  file(REMOVE_RECURSE "${work}")
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${CMAKE_LINKER} cannot link ${object}: ${err}")
  endif()
endfunction()

function(kova_delay_import var)
  find_library(_kova_kernel32 kernel32)
  get_filename_component(libdir "${_kova_kernel32}" DIRECTORY)
  set(outdir "${CMAKE_BINARY_DIR}/delayimp")
  file(MAKE_DIRECTORY "${outdir}")
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(machine i386:x86-64)
    set(imp_prefix "__imp_")
    set(kill_at)
  else()
    set(machine i386)
    set(imp_prefix "__imp__")
    set(kill_at --kill-at)
  endif()
  set(libs)
  foreach(name ${ARGN})
    set(import "${libdir}/lib${name}.a")
    set(delay "${outdir}/lib${name}_delay.a")
    if(NOT EXISTS "${import}")
      message(FATAL_ERROR "no import library ${import} to delay-load ${name}.dll from")
    endif()
    # Rebuilt when the toolchain's import library changes.
    if(NOT EXISTS "${delay}" OR "${import}" IS_NEWER_THAN "${delay}")
      execute_process(COMMAND "${CMAKE_NM}" --defined-only "${import}"
        OUTPUT_VARIABLE symbols RESULT_VARIABLE rc)
      if(NOT rc EQUAL 0)
        message(FATAL_ERROR "${CMAKE_NM} cannot read ${import}")
      endif()
      # A function has its thunk (T name) beside its import slot (I __imp_name).
      string(REGEX MATCHALL "[^\n]+ I ${imp_prefix}[^\n]+" slots "${symbols}")
      string(REGEX MATCHALL "[^\n]+ T [^\n]+" thunks "${symbols}")
      set(code_symbols)
      foreach(thunk ${thunks})
        string(REGEX REPLACE ".* T " "" thunk "${thunk}")
        list(APPEND code_symbols "${thunk}")
      endforeach()
      set(def "LIBRARY ${name}.dll\nEXPORTS\n")
      foreach(slot ${slots})
        string(REGEX REPLACE ".* I ${imp_prefix}" "" export "${slot}")
        if(CMAKE_SIZEOF_VOID_P EQUAL 8)
          set(thunk "${export}")
        else()
          set(thunk "_${export}")
        endif()
        list(FIND code_symbols "${thunk}" at)
        if(NOT at EQUAL -1)
          string(APPEND def "${export}\n")
        endif()
      endforeach()
      file(WRITE "${outdir}/${name}.def" "${def}")
      # Named from inside the folder: dlltool makes its symbol names from the paths it
      # is given, and no path of the build folder belongs in the program.
      execute_process(COMMAND "${CMAKE_DLLTOOL}" -m ${machine} ${kill_at}
          -d "${name}.def" -y "lib${name}_delay.a"
        WORKING_DIRECTORY "${outdir}" RESULT_VARIABLE rc ERROR_VARIABLE err)
      if(NOT rc EQUAL 0)
        message(FATAL_ERROR "${CMAKE_DLLTOOL} cannot make ${delay}: ${err}")
      endif()
    endif()
    if(NOT CMAKE_SIZEOF_VOID_P EQUAL 8)
      set(archive "${delay}")
      set(delay "${outdir}/${name}_delay.o")
      if(NOT EXISTS "${delay}" OR "${archive}" IS_NEWER_THAN "${delay}")
        kova_delay_object("${archive}" "${delay}")
      endif()
    endif()
    list(APPEND libs "${delay}")
  endforeach()
  set(${var} ${libs} PARENT_SCOPE)
endfunction()
