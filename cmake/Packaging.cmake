# Install layout, desktop integration and the Debian package (include last).
include(GNUInstallDirs)

# The executable finds its waves in its own folder, so both go into one private
# folder and the PATH gets a relative symlink that survives DESTDIR and --prefix.
set(SPINZARO_INSTALL_APPDIR "${CMAKE_INSTALL_LIBEXECDIR}/spinzaro" CACHE STRING
    "Folder (relative to the prefix, or absolute) for the executable and its wave files")

install(TARGETS spinzaro RUNTIME DESTINATION ${SPINZARO_INSTALL_APPDIR})
# Stripped as Debian strips its own packages: the compilers' version notes go too.
install(CODE "
    set(_spinzaro_objcopy \"${CMAKE_OBJCOPY}\")
    set(_spinzaro_executable \"${SPINZARO_INSTALL_APPDIR}/spinzaro\")
" CODE [[
    if(CMAKE_INSTALL_DO_STRIP AND _spinzaro_objcopy)
        if(NOT IS_ABSOLUTE "${_spinzaro_executable}")
            set(_spinzaro_executable "${CMAKE_INSTALL_PREFIX}/${_spinzaro_executable}")
        endif()
        execute_process(COMMAND "${_spinzaro_objcopy}" --remove-section=.comment "$ENV{DESTDIR}${_spinzaro_executable}"
                        COMMAND_ERROR_IS_FATAL ANY)
    endif()
]])
install(FILES ${SPINZARO_WAVE_FILES} DESTINATION ${SPINZARO_INSTALL_APPDIR})

# Computed at install time, so that it follows --prefix; relative, so that it
# stays right under DESTDIR and wherever the tree is unpacked. Debian keeps
# games in /usr/games, so the launcher goes there under the system's own /usr
# (the package's prefix); a prefix such as ~/.local keeps the usual bin/.
install(CODE "
    set(_spinzaro_bindir \"${CMAKE_INSTALL_BINDIR}\")
    set(_spinzaro_appdir \"${SPINZARO_INSTALL_APPDIR}\")
" CODE [[
    if(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
        set(_spinzaro_bindir games)
    endif()
    foreach(_spinzaro_dir IN ITEMS bindir appdir)
        if(NOT IS_ABSOLUTE "${_spinzaro_${_spinzaro_dir}}")
            set(_spinzaro_${_spinzaro_dir} "${CMAKE_INSTALL_PREFIX}/${_spinzaro_${_spinzaro_dir}}")
        endif()
    endforeach()
    file(RELATIVE_PATH _spinzaro_target "${_spinzaro_bindir}" "${_spinzaro_appdir}/spinzaro")
    set(_spinzaro_link "$ENV{DESTDIR}${_spinzaro_bindir}/spinzaro")
    message(STATUS "Installing: ${_spinzaro_link} -> ${_spinzaro_target}")
    file(MAKE_DIRECTORY "$ENV{DESTDIR}${_spinzaro_bindir}")
    file(CREATE_LINK "${_spinzaro_target}" "${_spinzaro_link}" SYMBOLIC)
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${_spinzaro_link}")
]])

# Menu entry, icon and software-centre listing under the names they refer to.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${SPINZARO_COMPONENT_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The icon at the usual theme sizes, drawn from its source at build time, and
# the source itself for any other size.
set(SPINZARO_ICON_SIZES 16 22 24 32 48 64 128 256)
add_executable(render_icons tools/render_icons.cpp)
target_link_libraries(render_icons PRIVATE spinzaro_artwork)
add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/icons/256x256/spinzaro.png
    COMMAND render_icons ${PROJECT_SOURCE_DIR}/assets/src/icon.svg ${CMAKE_CURRENT_BINARY_DIR}/icons ${SPINZARO_ICON_SIZES}
    DEPENDS render_icons ${PROJECT_SOURCE_DIR}/assets/src/icon.svg VERBATIM)
add_custom_target(icons ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/icons/256x256/spinzaro.png)
foreach(size ${SPINZARO_ICON_SIZES})
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}x${size}/spinzaro.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${SPINZARO_ICON_NAME}.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/assets/src/icon.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${SPINZARO_ICON_NAME}.svg)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${SPINZARO_COMPONENT_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Debian wants the licence, the changelog and a manual page, the latter two
# compressed without a timestamp so that rebuilds are identical.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/spinzaro)
configure_file(${PROJECT_SOURCE_DIR}/packaging/spinzaro.6.in packaging/spinzaro.6 @ONLY)
find_program(SPINZARO_GZIP gzip)
if(SPINZARO_GZIP)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/packaging/changelog)
    execute_process(COMMAND ${SPINZARO_GZIP} -9n INPUT_FILE ${PROJECT_SOURCE_DIR}/packaging/changelog
                    OUTPUT_FILE ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.gz COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND ${SPINZARO_GZIP} -9n INPUT_FILE ${CMAKE_CURRENT_BINARY_DIR}/packaging/spinzaro.6
                    OUTPUT_FILE ${CMAKE_CURRENT_BINARY_DIR}/packaging/spinzaro.6.gz COMMAND_ERROR_IS_FATAL ANY)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/spinzaro)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/spinzaro.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
else()
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/spinzaro.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
endif()

# The two metadata files, checked offline; the .example domain is reserved, so
# the validator's unknown-TLD note is not a failure.
if(BUILD_TESTING)
    find_program(SPINZARO_DESKTOP_FILE_VALIDATE desktop-file-validate)
    find_program(SPINZARO_APPSTREAMCLI appstreamcli)
    if(SPINZARO_DESKTOP_FILE_VALIDATE)
        add_test(NAME packaging_desktop_entry_valid
                 COMMAND ${SPINZARO_DESKTOP_FILE_VALIDATE}
                         ${PROJECT_SOURCE_DIR}/packaging/${SPINZARO_COMPONENT_ID}.desktop)
        # It exits 0 on warnings; those count too.
        set_tests_properties(packaging_desktop_entry_valid PROPERTIES FAIL_REGULAR_EXPRESSION "error|warning")
    endif()
    if(SPINZARO_APPSTREAMCLI)
        add_test(NAME packaging_metainfo_valid
                 COMMAND ${SPINZARO_APPSTREAMCLI} validate --no-net --strict --override=cid-maybe-not-rdns=pedantic
                         ${PROJECT_SOURCE_DIR}/packaging/${SPINZARO_COMPONENT_ID}.metainfo.xml)
    endif()
    # The package as a user gets it, built from the normal build; the
    # sanitizers' build is never shipped.
    find_program(SPINZARO_DPKG_DEB dpkg-deb)
    if(SPINZARO_DPKG_DEB AND NOT SPINZARO_SANITIZE)
        add_test(NAME packaging_debian_package_clean
                 COMMAND ${PROJECT_SOURCE_DIR}/tests/package_test.sh ${CMAKE_BINARY_DIR})
        set_tests_properties(packaging_debian_package_clean PROPERTIES TIMEOUT 300
            COST 1000)  # the longest: started first, beside the others
    endif()
endif()

# cpack -G DEB in the build folder makes spinzaro_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME spinzaro)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Spinzaro Games")
set(CPACK_PACKAGE_CONTACT "Spinzaro Games <games@spinzaro.example>")
# Debian's synopsis starts without an article; the long text keeps its line breaks.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "three-reel fruit slot machine")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Spinzaro is a single-player fruit slot machine in one desktop window."
    "Click the coin slot to set the stake from one to five dollars, press Spin"
    "and watch the three reels stop; the symbols pay when they form one of"
    "seven pay lines. The money is play money only.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.spinzaro.example/")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/packaging/copyright")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Spinzaro Games <games@spinzaro.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Qt loads its SVG image plugin at run time, so no library scan finds it; it
# is named here, so that the pictures can be drawn.
find_program(SPINZARO_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(SPINZARO_DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6 (>= 6.2)")
else()
    # Without dpkg-dev the libraries the executable links are named by hand.
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6widgets6 (>= 6.2), libqt6svg6 (>= 6.2), libpulse0, libsndfile1")
endif()
# Only a session without XWayland needs the Wayland plugin, and it brings
# QtQuick and the compositor libraries; apt installs recommendations anyway.
# The fonts are the families the pictures' text names; Qt's own translations
# name the coin keys as the player's keyboard does.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, fonts-liberation2, fonts-dejavu-core, qt6-translations-l10n")

set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build[^/]*/" "\\\\.swp$")

include(CPack)
