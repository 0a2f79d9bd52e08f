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
      execute_process(COMMAND "${CMAKE_DLLTOOL}" -m ${machine} ${kill_at}
          -d "${outdir}/${name}.def" -y "${delay}"
        RESULT_VARIABLE rc ERROR_VARIABLE err)
      if(NOT rc EQUAL 0)
        message(FATAL_ERROR "${CMAKE_DLLTOOL} cannot make ${delay}: ${err}")
      endif()
    endif()
    list(APPEND libs "${delay}")
  endforeach()
  set(${var} ${libs} PARENT_SCOPE)
endfunction()
