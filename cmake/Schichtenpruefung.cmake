# The layer rule, checked over the sources at every build
# (cmake -DQUELLE=<tree> -DSCHICHTEN=<layers' file> -P this file):
# every include of the program's own headers names the folder it reaches into, and a layer
# reaches only into itself and the layers below it. A wrong include stops the build with the
# file, the include and what the layer may include.
#
# The layers and what each may include come from the build (SCHICHTEN, written by
# pistorelle_schichtenpruefung in cmake/Pistorelle.cmake from the libraries' links): a folder
# may include from itself and from the folders of the libraries it links.
if(NOT SCHICHTEN)
    message(FATAL_ERROR "SCHICHTEN (the layers' file) is not set")
endif()
include(${SCHICHTEN})

if(NOT QUELLE)
    message(FATAL_ERROR "QUELLE (the source tree) is not set")
endif()

# The program's own header names: an include of one of them without its folder is wrong too.
set(namen Installation.h)
set(dateien)
foreach(s IN LISTS schichten)
    file(GLOB_RECURSE h RELATIVE ${QUELLE} ${QUELLE}/${s}/*.h)
    file(GLOB_RECURSE c RELATIVE ${QUELLE} ${QUELLE}/${s}/*.cpp)
    list(APPEND dateien ${h} ${c})
    foreach(datei IN LISTS h)
        get_filename_component(n ${datei} NAME)
        list(APPEND namen ${n})
    endforeach()
endforeach()

set(fehler 0)
foreach(datei IN LISTS dateien)
    string(REGEX MATCH "^[^/]+" schicht ${datei})
    file(STRINGS ${QUELLE}/${datei} zeilen REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(z IN LISTS zeilen)
        string(REGEX MATCH "\"([^\"]+)\"" _ "${z}")
        set(ziel ${CMAKE_MATCH_1})
        if(ziel MATCHES "^([^/]+)/")
            set(ort ${CMAKE_MATCH_1})
            list(FIND schichten ${ort} ist_schicht)
            list(FIND erlaubt_${schicht} ${ort} darf)
            if(NOT ist_schicht EQUAL -1 AND darf EQUAL -1)
                string(JOIN ", " liste ${erlaubt_${schicht}})
                message(NOTICE "${datei}: #include \"${ziel}\": ${schicht}/ reaches only into "
                    "${liste}")
                math(EXPR fehler "${fehler} + 1")
            endif()
        else()
            list(FIND namen ${ziel} eigen)
            if(NOT eigen EQUAL -1)
                message(NOTICE "${datei}: #include \"${ziel}\": name the folder of the header "
                    "(for example \"engine/Rennleitung.h\")")
                math(EXPR fehler "${fehler} + 1")
            endif()
        endif()
    endforeach()
endforeach()

if(fehler GREATER 0)
    message(FATAL_ERROR "${fehler} includes against the layer order")
endif()
