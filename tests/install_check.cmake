cmake_minimum_required(VERSION 3.25)
# Installs into a scratch prefix and checks that a desktop finds the game:
# the program, its menu entry, its icons in the hicolor theme, its AppStream
# data, manual page and documents.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
# The files beside the program, listed once for this check and the package's.
file(STRINGS "${CMAKE_CURRENT_LIST_DIR}/../dist/installed-files" shared_files)
foreach(path bin/croquel ${shared_files})
    if(NOT EXISTS "${PREFIX}/${path}")
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()
file(STRINGS "${PREFIX}/share/applications/org.example.croquel.desktop" entry)
foreach(line "Type=Application" "Exec=croquel" "Icon=croquel" "Name=Croquel")
    if(NOT line IN_LIST entry)
        message(FATAL_ERROR "the desktop entry lacks ${line}")
    endif()
endforeach()
message(STATUS "installed: program, desktop entry, icons, AppStream data, manual page, documents")
