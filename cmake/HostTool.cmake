# Compiles a one-file C++ tool for the machine that runs the build, also when the project
# itself is cross-compiled, and runs it from custom commands.
find_program(KESTRUNE_HOST_CXX NAMES c++ g++ clang++ REQUIRED NO_CMAKE_FIND_ROOT_PATH)

function(kestrune_host_tool name source)
    set(out ${CMAKE_BINARY_DIR}/tools/${name})
    add_custom_command(
        OUTPUT ${out}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/tools
        COMMAND ${KESTRUNE_HOST_CXX} -std=c++20 -O1 -Wall -Wextra -I${PROJECT_SOURCE_DIR}/tools -o ${out} ${source}
        DEPENDS ${source} ${PROJECT_SOURCE_DIR}/tools/IconSetColours.h
        COMMENT "Building build tool ${name}")
    add_custom_target(${name}_tool DEPENDS ${out})
    set(${name}_EXE ${out} PARENT_SCOPE)
endfunction()
