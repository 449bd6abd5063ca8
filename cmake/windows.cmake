# The program for Windows x64: a program of the GUI subsystem (no console
# window opens) with its icon, and everything its zip and installer carry,
# which `cmake --install` puts into one folder (scripts/windows-package).
set_target_properties(wellenzeiger PROPERTIES WIN32_EXECUTABLE ON)
target_sources(wellenzeiger_core PRIVATE ui/windows_console.cpp)

set(windows_data ${CMAKE_SOURCE_DIR}/data/windows)
set(stage ${CMAKE_BINARY_DIR}/windows)
file(WRITE ${CMAKE_BINARY_DIR}/version ${PROJECT_VERSION})

# The icon, drawn from the program's own at the sizes Windows shows, in the
# .exe (Qt gives its windows the icon named IDI_ICON1) and beside it.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
find_program(MAGICK_CONVERT convert REQUIRED)
set(svg ${CMAKE_SOURCE_DIR}/data/org.wellenzeiger.Wellenzeiger.svg)
set(icon ${stage}/wellenzeiger.ico)
set(icon_sizes)
foreach(size 16 20 24 32 40 48 64 256)
    set(png ${stage}/icon-${size}.png)
    add_custom_command(OUTPUT ${png}
        COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${svg} DEPENDS ${svg} VERBATIM)
    list(APPEND icon_sizes ${png})
endforeach()
add_custom_command(OUTPUT ${icon} COMMAND ${MAGICK_CONVERT} ${icon_sizes} ${icon}
    DEPENDS ${icon_sizes} VERBATIM)
string(REPLACE "." "," version_commas "${PROJECT_VERSION}")
configure_file(${windows_data}/wellenzeiger.rc.in ${stage}/wellenzeiger.rc @ONLY)
target_sources(wellenzeiger PRIVATE ${stage}/wellenzeiger.rc)
set_source_files_properties(${stage}/wellenzeiger.rc PROPERTIES OBJECT_DEPENDS ${icon})

# The program and the parts of Qt it needs; Qt finds its plugins and German
# texts beside the program (qt.conf), wherever the folder lies.
install(TARGETS wellenzeiger RUNTIME DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
    ${windows_data}/qt.conf ${icon} DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
find_file(QT_GERMAN_TEXTS qtbase_de.qm PATHS /usr/share/qt6/translations
    NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
install(FILES ${QT_GERMAN_TEXTS} DESTINATION translations)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
        OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT EXISTS ${path})
        message(FATAL_ERROR "The MinGW-w64 runtime ${dll} was not found")
    endif()
    install(FILES ${path} DESTINATION .)
endforeach()

# Texts, with the line ends of Windows so that every editor shows them; our
# own (CONFIGURE) with the versions filled in.
function(install_text source destination)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
    file(READ ${source} text)
    if(ARGV2 STREQUAL CONFIGURE)
        string(CONFIGURE "${text}" text @ONLY)
    endif()
    string(REPLACE "\r\n" "\n" text "${text}")
    string(REPLACE "\n" "\r\n" text "${text}")
    file(WRITE ${stage}/${destination} "${text}")
    get_filename_component(folder ${destination} DIRECTORY)
    install(FILES ${stage}/${destination} DESTINATION ./${folder})
endfunction()

# The licences: the program's, Qt's with where its source is and how it was
# built (scripts/windows-qt), Debian's record of Qt and the code it bundles,
# and the MinGW-w64 runtime's.
get_filename_component(qt_prefix ${Qt6_DIR}/../../.. ABSOLUTE)
file(STRINGS ${qt_prefix}/BUILD-INFO.txt qt_build_info LIMIT_COUNT 1)
string(REGEX REPLACE "^Qt ([^ ]+) .*" "\\1" QT_DEBIAN_VERSION "${qt_build_info}")
install_text(${windows_data}/LIESMICH.txt LIESMICH.txt CONFIGURE)
install_text(${CMAKE_SOURCE_DIR}/COPYING COPYING.txt)
install_text(${windows_data}/Qt-Quelltext.txt Lizenzen/Qt-Quelltext.txt CONFIGURE)
install_text(${qt_prefix}/BUILD-INFO.txt Lizenzen/Qt-Erstellung.txt)
install_text(${qt_prefix}/licenses/LGPL-3.0-only.txt Lizenzen/Qt-LGPL-3.0.txt)
install_text(${qt_prefix}/licenses/qt6-base-copyright.txt Lizenzen/Qt-Urheberrecht-Debian.txt)
install_text(/usr/share/doc/gcc-mingw-w64-base/copyright Lizenzen/MinGW-w64-GCC-Laufzeit.txt)
install_text(/usr/share/doc/mingw-w64-common/copyright Lizenzen/MinGW-w64-Laufzeit.txt)
