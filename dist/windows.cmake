# The game as a Windows player gets it: croquel.exe with what it loads that
# Windows does not have beside it, and the licences that come with those,
# in croquel-<version>-windows-x86_64.zip and an installer of the same name
# that CPack makes with NSIS (scripts/windows).

# Qt for Windows keeps the compiler's runtime beside its own libraries, and
# the licences of both in licences/ (scripts/windows builds it so).
set(qt_bin ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS})
set(licences ${QT6_INSTALL_PREFIX}/licences)
if(NOT EXISTS ${licences}/Qt-built-from.txt)
    message(FATAL_ERROR "Qt's libraries go with their licence and the source they were built from, "
                        "and ${licences} holds neither: build Qt for Windows with scripts/windows")
endif()
install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
              ${qt_bin}/libstdc++-6.dll ${qt_bin}/libgcc_s_seh-1.dll ${qt_bin}/libwinpthread-1.dll
        DESTINATION .)
# Qt looks for its plugins in folders of their kind beside the program.
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
install(DIRECTORY ${licences}/ DESTINATION licences)
# The game's own licence, shown by the installer too.
configure_file(${PROJECT_SOURCE_DIR}/dist/copyright.in croquel-copyright.txt @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/croquel-copyright.txt DESTINATION licences)

# scripts/windows packs the zip from the same install rules.
set(CPACK_GENERATOR NSIS)
set(CPACK_PACKAGE_NAME croquel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR ${CROQUEL_AUTHOR})
set(CPACK_PACKAGE_FILE_NAME croquel-${PROJECT_VERSION}-windows-x86_64)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${CROQUEL_DISPLAY_NAME}, a maze-chase arcade game in French")
set(CPACK_STRIP_FILES ON)

# Installed under Program Files, with a Start-menu entry that bears the
# game's icon (croquel.exe's own) and an uninstaller that removes it all.
set(CPACK_PACKAGE_INSTALL_DIRECTORY ${CROQUEL_DISPLAY_NAME})
set(CPACK_PACKAGE_EXECUTABLES ${CROQUEL_APP_NAME} ${CROQUEL_DISPLAY_NAME})
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_BINARY_DIR}/croquel-copyright.txt)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_DISPLAY_NAME ${CROQUEL_DISPLAY_NAME})
set(CPACK_NSIS_PACKAGE_NAME ${CROQUEL_DISPLAY_NAME})
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/ui/assets/icon.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/ui/assets/icon.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME ${CROQUEL_APP_NAME}.exe)
set(CPACK_NSIS_URL_INFO_ABOUT ${PROJECT_HOMEPAGE_URL})
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# The entry of "Installed apps" keeps one key whatever the version, so that a
# newer installer finds the older game there and removes it first, rather
# than list both. Named here rather than left to follow the install folder's
# name, as the size below is written under it.
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY ${CROQUEL_DISPLAY_NAME})
# A 64-bit installer for a 64-bit game: NSIS makes 32-bit ones unless told.
# The entry gives the installed files' size, in KiB, as Windows lists it.
set(CPACK_NSIS_DEFINES "Target amd64-unicode\n!include FileFunc.nsh")
set(uninstall_key "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\${CPACK_PACKAGE_INSTALL_REGISTRY_KEY}")
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS "
    \${GetSize} '$INSTDIR' '/S=0K' $0 $1 $2
    IntFmt $0 '0x%08X' $0
    WriteRegDWORD SHCTX '${uninstall_key}' 'EstimatedSize' '$0'")
include(CPack)
