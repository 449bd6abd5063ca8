# The program for the browser (WebAssembly, Qt for WebAssembly from
# scripts/web-qt): wellenzeiger.js and wellenzeiger.wasm, and everything the
# web page carries beside them, which `cmake --install` puts into one folder
# (scripts/web-package).
target_sources(wellenzeiger_core PRIVATE ui/browser.cpp)

# The program ends, unwinds and reports through C++ exceptions, which Qt's
# link options switch off; the demonstrations process events inside
# long-running loops, which only ASYNCIFY lets return to the browser.
target_compile_options(wellenzeiger_core PUBLIC -fexceptions)
get_target_property(qt_platform_links Qt6::Platform INTERFACE_LINK_OPTIONS)
list(FILTER qt_platform_links EXCLUDE REGEX "DISABLE_EXCEPTION_CATCHING")
set_target_properties(Qt6::Platform PROPERTIES INTERFACE_LINK_OPTIONS "${qt_platform_links}")
target_link_options(wellenzeiger PRIVATE -fexceptions "SHELL:-s DISABLE_EXCEPTION_CATCHING=0"
    "SHELL:-s ASYNCIFY" -Os "SHELL:-s INITIAL_MEMORY=50MB"
    "SHELL:-s EXPORTED_RUNTIME_METHODS=UTF16ToString,stringToUTF16,specialHTMLTargets")

# Embedded: the fonts the windows ask for (Qt for WebAssembly brings only
# DejaVu) and Qt's German texts, which QLibraryInfo finds through the
# embedded qt.conf.
set(web_data ${CMAKE_SOURCE_DIR}/data/web)
set(fonts /usr/share/fonts/truetype/liberation)
set(german_texts /usr/share/qt6/translations/qtbase_de.qm)
foreach(file ${fonts}/LiberationSans-Regular.ttf ${fonts}/LiberationSans-Bold.ttf)
    get_filename_component(name ${file} NAME)
    set_source_files_properties(${file} PROPERTIES QT_RESOURCE_ALIAS fonts/${name})
endforeach()
set_source_files_properties(${german_texts} PROPERTIES QT_RESOURCE_ALIAS qt/translations/qtbase_de.qm)
set_source_files_properties(${web_data}/qt.conf PROPERTIES QT_RESOURCE_ALIAS qt/etc/qt.conf)

set(stage ${CMAKE_BINARY_DIR}/web)
file(WRITE ${CMAKE_BINARY_DIR}/version ${PROJECT_VERSION})

# The icon, drawn from the program's own at the sizes of the manifest and of
# a tablet's home screen.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
set(svg ${CMAKE_SOURCE_DIR}/data/org.wellenzeiger.Wellenzeiger.svg)
set(icons)
foreach(size 180 192 512)
    set(png ${stage}/icon-${size}.png)
    add_custom_command(OUTPUT ${png}
        COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${svg} DEPENDS ${svg} VERBATIM)
    list(APPEND icons ${png})
endforeach()
add_custom_target(web_icons ALL DEPENDS ${icons})
# The windows' icon in the title bars Qt draws on the page.
set_source_files_properties(${stage}/icon-192.png PROPERTIES GENERATED TRUE
    QT_RESOURCE_ALIAS icon.png)
qt_add_resources(wellenzeiger web_resources PREFIX / FILES ${fonts}/LiberationSans-Regular.ttf
    ${fonts}/LiberationSans-Bold.ttf ${german_texts} ${web_data}/qt.conf ${stage}/icon-192.png)

# The page and the files the service worker keeps for offline use; the
# version names its cache, so that a new version replaces the old files.
set(pages index.html loader.js service-worker.js manifest.webmanifest)
foreach(page ${pages})
    configure_file(${web_data}/${page} ${stage}/${page} @ONLY)
endforeach()
list(TRANSFORM pages PREPEND ${stage}/)

install(FILES $<TARGET_FILE_DIR:wellenzeiger>/wellenzeiger.js
    $<TARGET_FILE_DIR:wellenzeiger>/wellenzeiger.wasm ${pages} ${icons} ${svg} DESTINATION .)
configure_file(${web_data}/LIESMICH.txt ${stage}/LIESMICH.txt @ONLY)
install(FILES ${stage}/LIESMICH.txt DESTINATION .)
install(FILES ${CMAKE_SOURCE_DIR}/COPYING DESTINATION . RENAME COPYING.txt)

# The licences: Qt's with how it was built (scripts/web-qt), Debian's record
# of Qt and the code it bundles, and the fonts'.
get_filename_component(qt_prefix ${Qt6_DIR}/../../.. ABSOLUTE)
file(STRINGS ${qt_prefix}/BUILD-INFO.txt qt_build_info LIMIT_COUNT 1)
string(REGEX REPLACE "^Qt ([^ ]+) .*" "\\1" QT_DEBIAN_VERSION "${qt_build_info}")
configure_file(${web_data}/Qt-Quelltext.txt ${stage}/Qt-Quelltext.txt @ONLY)
install(FILES ${stage}/Qt-Quelltext.txt DESTINATION Lizenzen)
install(FILES ${qt_prefix}/BUILD-INFO.txt DESTINATION Lizenzen RENAME Qt-Erstellung.txt)
install(FILES ${qt_prefix}/licenses/LGPL-3.0-only.txt DESTINATION Lizenzen RENAME Qt-LGPL-3.0.txt)
install(FILES ${qt_prefix}/licenses/qt6-base-copyright.txt DESTINATION Lizenzen
    RENAME Qt-Urheberrecht-Debian.txt)
install(FILES /usr/share/doc/fonts-liberation/copyright DESTINATION Lizenzen
    RENAME Schrift-Liberation-Sans.txt)
