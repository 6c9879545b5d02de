# Helpers shared by the build's folders.

# Code that goes into a driver module hides everything but its marked entry points.
function(qn_hidden_visibility target)
    set_target_properties(${target} PROPERTIES
        CXX_VISIBILITY_PRESET hidden
        VISIBILITY_INLINES_HIDDEN ON)
endfunction()

# A Windows-style shared library: the file bears its Windows name (NAME.DLL), so that LoadLibraryW of
# "...\NAME.DLL" in the mapped driver directory finds it; nothing may stay undefined at link time.
function(qn_windows_dll target)
    set_target_properties(${target} PROPERTIES PREFIX "" SUFFIX ".DLL" OUTPUT_NAME ${target})
    if(NOT QN_FUZZ)   # the fuzz build's runtimes are the harness program's
        target_link_options(${target} PRIVATE -Wl,--no-undefined)
    endif()
endfunction()

# A driver module: every source below the given folders goes into a static core that the tests link
# directly, and the module itself is that core, whole, as a shared library.
function(qn_driver_module module core)
    set(sources)
    foreach(folder IN LISTS ARGN)
        file(GLOB_RECURSE found CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.cpp)
        list(APPEND sources ${found})
    endforeach()
    if(NOT sources)
        set(sources ${PROJECT_SOURCE_DIR}/cmake/empty.cpp)
    endif()
    add_library(${core} STATIC ${sources})
    qn_hidden_visibility(${core})
    target_include_directories(${core} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${core} PUBLIC settings platform)

    add_library(${module} SHARED ${PROJECT_SOURCE_DIR}/cmake/empty.cpp)
    qn_hidden_visibility(${module})
    qn_windows_dll(${module})
    target_link_libraries(${module} PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${core}>" settings platform)
endfunction()

# Limits a module's dynamic symbols to the given entry points with a linker version script: template code the
# module instantiates from the standard library (std::to_chars and the like) would otherwise be exported too.
function(qn_module_exports module)
    set(script ${CMAKE_CURRENT_BINARY_DIR}/${module}.exports)
    list(JOIN ARGN "; " names)
    file(WRITE ${script} "{\n  global: ${names};\n  local: *;\n};\n")
    target_link_options(${module} PRIVATE -Wl,--version-script=${script})
    set_property(TARGET ${module} APPEND PROPERTY LINK_DEPENDS ${script})
endfunction()
