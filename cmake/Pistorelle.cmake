# Only the windows link QtWidgets. A library that would get them, named among its DEPS or
# through a library it uses, stops the configuration: below the windows a widget include
# never compiles.
function(pistorelle_ohne_widgets name)
    set(offen ${ARGN})
    set(gesehen)
    while(offen)
        list(POP_FRONT offen d)
        if(d IN_LIST gesehen)
            continue()
        endif()
        list(APPEND gesehen ${d})
        if(d MATCHES "^Qt[0-9]*::Widgets(Private)?$")
            message(FATAL_ERROR "${name} would link ${d}; "
                "only the windows' library (WIDGETS) may")
        endif()
        if(TARGET ${d})
            get_target_property(weiter ${d} INTERFACE_LINK_LIBRARIES)
            if(weiter)
                # Generator expressions ($<LINK_ONLY:...>) are passed over with what they hold.
                string(REGEX REPLACE "\\$<[A-Z_]+:([^>]*)>" "\\1" weiter "${weiter}")
                list(APPEND offen ${weiter})
            endif()
        endif()
    endwhile()
endfunction()

# pistorelle_schicht(FOLDER TARGET DEPS...): records FOLDER as a layer whose code may include
# from itself and from every layer the targets in DEPS may include from.
function(pistorelle_schicht ordner name)
    set(erlaubt ${ordner})
    foreach(d IN LISTS ARGN)
        get_property(weiter GLOBAL PROPERTY PISTORELLE_ERLAUBT_${d})
        list(APPEND erlaubt ${weiter})
    endforeach()
    list(REMOVE_DUPLICATES erlaubt)
    set_property(GLOBAL PROPERTY PISTORELLE_ERLAUBT_${name} ${erlaubt})
    get_property(bisher GLOBAL PROPERTY PISTORELLE_ERLAUBT_ORDNER_${ordner})
    list(APPEND bisher ${erlaubt})
    list(REMOVE_DUPLICATES bisher)
    set_property(GLOBAL PROPERTY PISTORELLE_ERLAUBT_ORDNER_${ordner} ${bisher})
    set_property(GLOBAL APPEND PROPERTY PISTORELLE_SCHICHTEN ${ordner})
endfunction()

# pistorelle_schichtenpruefung(): after every layer is known, the target that checks the
# includes of all of them (the layers' libraries depend on it).
function(pistorelle_schichtenpruefung)
    get_property(schichten GLOBAL PROPERTY PISTORELLE_SCHICHTEN)
    list(REMOVE_DUPLICATES schichten)
    set(inhalt "set(schichten ${schichten})\n")
    set(quellen)
    foreach(s IN LISTS schichten)
        get_property(erlaubt GLOBAL PROPERTY PISTORELLE_ERLAUBT_ORDNER_${s})
        string(APPEND inhalt "set(erlaubt_${s} ${erlaubt})\n")
        file(GLOB_RECURSE q CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${s}/*.h
            ${PROJECT_SOURCE_DIR}/${s}/*.cpp)
        list(APPEND quellen ${q})
    endforeach()
    set(datei ${PROJECT_BINARY_DIR}/schichten.cmake)
    file(CONFIGURE OUTPUT ${datei} CONTENT "${inhalt}")
    add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/schichten.geprueft
        COMMAND ${CMAKE_COMMAND} -DQUELLE=${PROJECT_SOURCE_DIR} -DSCHICHTEN=${datei}
            -P ${PROJECT_SOURCE_DIR}/cmake/Schichtenpruefung.cmake
        COMMAND ${CMAKE_COMMAND} -E touch ${PROJECT_BINARY_DIR}/schichten.geprueft
        DEPENDS ${quellen} ${datei} ${PROJECT_SOURCE_DIR}/cmake/Schichtenpruefung.cmake
        COMMENT "Includes against the layer order")
    add_custom_target(pistorelle_schichten DEPENDS ${PROJECT_BINARY_DIR}/schichten.geprueft)
endfunction()

# pistorelle_library(NAME [WIDGETS] DEPS ...): a static library from every source of the calling
# folder (sub-folders are the owner's business). New files need no CMake edit. WIDGETS marks
# the windows' library, the one that may link QtWidgets. Headers are included with their
# folder from the top of the tree ("engine/Rennleitung.h"); the folder may include from
# itself and from the folders of the libraries it links, directly or through others
# (pistorelle_schichten checks it before anything compiles).
function(pistorelle_library name)
    cmake_parse_arguments(ARG "WIDGETS" "" "DEPS" ${ARGN})
    if(NOT ARG_WIDGETS)
        pistorelle_ohne_widgets(${name} ${ARG_DEPS})
    endif()
    get_filename_component(ordner ${CMAKE_CURRENT_SOURCE_DIR} NAME)
    pistorelle_schicht(${ordner} ${name} ${ARG_DEPS})
    file(GLOB srcs CONFIGURE_DEPENDS
        ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    if(NOT srcs)
        # A layer that holds no code yet still takes part in the dependency chain.
        add_library(${name} INTERFACE)
        target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
        target_link_libraries(${name} INTERFACE ${ARG_DEPS})
        return()
    endif()
    add_library(${name} STATIC ${srcs})
    add_dependencies(${name} pistorelle_schichten)
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
    target_compile_options(${name} PRIVATE -Wall -Wextra)
endfunction()

# A test's command goes behind this: its runtime folder (XDG_RUNTIME_DIR) is made and private.
set(PISTORELLE_TESTSTART sh ${CMAKE_CURRENT_LIST_DIR}/eigenerLaufzeitordner.sh)

# pistorelle_test(NAME SOURCES ... LIBS ...): one QtTest executable, run by ctest under the
# offscreen platform with its own settings and data folders, so no test touches the user's.
function(pistorelle_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    target_compile_definitions(${name} PRIVATE
        PISTORELLE_FIXTURES="${PROJECT_SOURCE_DIR}/tests/fixtures"
        PISTORELLE_BINARY_DIR="${PROJECT_BINARY_DIR}")
    add_test(NAME ${name} COMMAND ${PISTORELLE_TESTSTART} $<TARGET_FILE:${name}>)
    set(home ${CMAKE_CURRENT_BINARY_DIR}/${name}.home)
    set_tests_properties(${name} PROPERTIES
        TIMEOUT 600
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;PISTORELLE_HARDWARE=protokoll;XDG_CONFIG_HOME=${home}/config;XDG_DATA_HOME=${home}/data;XDG_RUNTIME_DIR=${home}/run;HOME=${home}")
endfunction()
