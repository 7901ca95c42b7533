# Debian packages, made by `cpack -G DEB` in a build folder configured with the prefix /usr
# (scripts/package.sh builds what they need and runs it):
#   quillmark      the shell, the SDK library it links (private folder, found through the
#                  shell's RUNPATH), desktop entry, icon, AppStream metainfo, manual page and
#                  the licence, third-party and terms-of-use texts
#   quillmark-sdk  for plug-in makers: headers, development link, plug-in kit, CMake package
# The extractor stand-in goes into neither: the shell never runs an installed copy, only the
# one that each update downloads into the user's data folder, so it belongs to the demo storage.

set(packaging_source ${PROJECT_SOURCE_DIR}/packaging)
set(packaging_out ${CMAKE_BINARY_DIR}/packaging)
set(shell_docdir ${CMAKE_INSTALL_DATADIR}/doc/quillmark)
set(sdk_docdir ${CMAKE_INSTALL_DATADIR}/doc/quillmark-sdk)
set(app_id de.brennhof.Quillmark)

# The build's identity is kept once, in the shell's metadata.
set(metadata_header ${PROJECT_SOURCE_DIR}/common/src/metadata.h)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${metadata_header}
    ${PROJECT_SOURCE_DIR}/assets/licenses/LICENSE.txt
    ${PROJECT_SOURCE_DIR}/assets/licenses/LICENSE_PYTHON.txt)
file(READ ${metadata_header} metadata)
foreach(field VERSION_NUMBER BUILD_NUMBER BUILD_DATE COMPANY_FULL_NAME)
    if(NOT metadata MATCHES "${field} = QStringLiteral\\(\"([^\"]*)\"\\)")
        message(FATAL_ERROR "${metadata_header} has no ${field}")
    endif()
    set(metadata_${field} "${CMAKE_MATCH_1}")
endforeach()
if(NOT metadata_VERSION_NUMBER STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "The shell says it is ${metadata_VERSION_NUMBER} (${metadata_header}), "
                        "the project is ${PROJECT_VERSION}: a package would carry the wrong one")
endif()
set(QUILLMARK_BUILD_NUMBER ${metadata_BUILD_NUMBER})
set(QUILLMARK_COMPANY ${metadata_COMPANY_FULL_NAME})
string(REGEX REPLACE "^([0-9]+)\\.([0-9]+)\\.([0-9]+)$" "\\3-\\2-\\1" QUILLMARK_RELEASE_DATE
       ${metadata_BUILD_DATE})
execute_process(COMMAND env LC_ALL=C date -u -R -d "${QUILLMARK_RELEASE_DATE} 12:00"
    OUTPUT_VARIABLE QUILLMARK_RELEASE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND env LC_ALL=C date -u "+%B %Y" -d "${QUILLMARK_RELEASE_DATE}"
    OUTPUT_VARIABLE QUILLMARK_RELEASE_MONTH OUTPUT_STRIP_TRAILING_WHITESPACE)

set(CPACK_PACKAGE_NAME quillmark)
set(CPACK_PACKAGE_VENDOR "${QUILLMARK_COMPANY}")
string(REGEX REPLACE "^www\\." "" maker_domain ${QUILLMARK_MAKER_WEB_ADDRESS})
set(CPACK_PACKAGE_CONTACT "${QUILLMARK_COMPANY} <quillmark@${maker_domain}>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(QUILLMARK_DEB_VERSION ${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE})

# A license body of a machine-readable copyright file: every line indented by one space,
# empty lines written as " .".
function(quillmark_copyright_text file out_var)
    file(READ ${file} text)
    string(REGEX REPLACE "[ \t\r]+\n" "\n" text "${text}")
    string(REGEX REPLACE "\n+$" "" text "${text}")
    string(REPLACE "\n" "\n " text " ${text}")
    string(REPLACE "\n \n" "\n .\n" text "${text}")
    string(REPLACE "\n \n" "\n .\n" text "${text}")
    set(${out_var} "${text}" PARENT_SCOPE)
endfunction()
quillmark_copyright_text(${PROJECT_SOURCE_DIR}/assets/licenses/LICENSE.txt QUILLMARK_LICENCE)
quillmark_copyright_text(${PROJECT_SOURCE_DIR}/assets/licenses/LICENSE_PYTHON.txt
    QUILLMARK_PYTHON_LICENCE)
configure_file(${packaging_source}/copyright.in ${packaging_out}/copyright @ONLY)

# The files that Debian wants compressed with gzip -9n (no name, no time: reproducible).
function(quillmark_gzip source target)
    execute_process(COMMAND gzip -9nc INPUT_FILE ${source} OUTPUT_FILE ${target}
        RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "gzip ${source}: ${failed}")
    endif()
endfunction()
foreach(package quillmark quillmark-sdk)
    set(QUILLMARK_PACKAGE ${package})
    configure_file(${packaging_source}/changelog.in ${packaging_out}/${package}/changelog @ONLY)
    quillmark_gzip(${packaging_out}/${package}/changelog
        ${packaging_out}/${package}/changelog.Debian.gz)
endforeach()
configure_file(${packaging_source}/quillmark.1.in ${packaging_out}/quillmark.1 @ONLY)
quillmark_gzip(${packaging_out}/quillmark.1 ${packaging_out}/quillmark.1.gz)
configure_file(${packaging_source}/${app_id}.metainfo.xml.in
    ${packaging_out}/${app_id}.metainfo.xml @ONLY)

install(FILES ${packaging_source}/${app_id}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT shell)
install(FILES ${packaging_out}/${app_id}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT shell)
install(FILES ${packaging_out}/quillmark.1.gz
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT shell)
install(FILES ${packaging_source}/${app_id}.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT shell)
# Bitmaps beside the scalable icon for menus and software centres that want them.
find_program(RSVG_CONVERT rsvg-convert)
if(RSVG_CONVERT)
    foreach(size 48 128 256)
        set(icon ${packaging_out}/icons/${size}x${size}/${app_id}.png)
        get_filename_component(icon_dir ${icon} DIRECTORY)
        file(MAKE_DIRECTORY ${icon_dir})
        execute_process(COMMAND ${RSVG_CONVERT} -w ${size} -h ${size}
            -o ${icon} ${packaging_source}/${app_id}.svg COMMAND_ERROR_IS_FATAL ANY)
        install(FILES ${icon}
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            COMPONENT shell)
    endforeach()
else()
    message(STATUS "rsvg-convert not found: the shell package carries only the scalable icon")
endif()
install(FILES
    ${packaging_out}/copyright
    ${packaging_out}/quillmark/changelog.Debian.gz
    ${PROJECT_SOURCE_DIR}/assets/licenses/ThirdPartySoftware_Listing.txt
    ${PROJECT_SOURCE_DIR}/assets/licenses/6/TermsOfUse_de.txt
    ${PROJECT_SOURCE_DIR}/assets/licenses/6/TermsOfUse_en.txt
    DESTINATION ${shell_docdir} COMPONENT shell)
install(FILES ${packaging_source}/quillmark.lintian-overrides
    DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME quillmark COMPONENT shell)
install(FILES ${packaging_out}/copyright ${packaging_out}/quillmark-sdk/changelog.Debian.gz
    DESTINATION ${sdk_docdir} COMPONENT sdk)
install(FILES ${packaging_source}/quillmark-sdk.lintian-overrides
    DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME quillmark-sdk COMPONENT sdk)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL shell sdk_runtime sdk)
set(CPACK_COMPONENTS_GROUPING ONE_PER_GROUP)
set(CPACK_COMPONENT_SHELL_GROUP shell)
set(CPACK_COMPONENT_SDK_RUNTIME_GROUP shell)
set(CPACK_COMPONENT_SDK_GROUP sdk)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_STRIP_FILES ON)
set(CPACK_PRE_BUILD_SCRIPTS ${packaging_source}/strip.cmake)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://${QUILLMARK_MAKER_WEB_ADDRESS}/")
# Library dependencies come from dpkg-shlibdeps; the QML modules and the CMake packages that
# no linker sees are found by packaging/dependencies.cmake when cpack runs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_PROJECT_CONFIG_FILE ${packaging_source}/dependencies.cmake)

set(CPACK_DEBIAN_SHELL_PACKAGE_NAME quillmark)
set(CPACK_DEBIAN_SHELL_PACKAGE_SECTION electronics)
# The screens ask for Arial; Liberation Sans has its metrics, so the texts fit their boxes.
set(CPACK_DEBIAN_SHELL_PACKAGE_RECOMMENDS fonts-liberation)
# cpack indents the extended description itself.
set(CPACK_DEBIAN_SHELL_DESCRIPTION
"configuration shell for Brennhof building-automation devices
Quillmark configures Brennhof's window and ventilation actuators, smoke and
heat exhaust ventilation control units, weather sensors and KNX interfaces
through device plug-ins. It fetches the plug-in catalogue from the maker's
server, installs, updates and deletes plug-ins, and opens a plug-in inside
its main window.")

set(CPACK_DEBIAN_SDK_PACKAGE_NAME quillmark-sdk)
set(CPACK_DEBIAN_SDK_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_SDK_PACKAGE_DEPENDS "quillmark (= ${QUILLMARK_DEB_VERSION})")
set(CPACK_DEBIAN_SDK_DESCRIPTION
"SDK for Quillmark device plug-ins
The headers of the plug-in contract, the plug-in kit (configuration files,
report texts, the PDF report, the virtual device's services) and the CMake
package QuillmarkSdk, with which a device plug-in for the Quillmark shell is
built: find_package(QuillmarkSdk), then link Quillmark::PluginKit.")

# Handed to packaging/dependencies.cmake.
get_target_property(CPACK_QUILLMARK_QMLIMPORTSCANNER Qt6::qmlimportscanner IMPORTED_LOCATION)
set(CPACK_QUILLMARK_QT_QML_DIR ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_QML})
set(CPACK_QUILLMARK_QT_VERSION ${Qt6_VERSION})
set(CPACK_QUILLMARK_QML_ROOTS
    ${PROJECT_SOURCE_DIR}/assets/kelvo
    ${PROJECT_SOURCE_DIR}/common/src/presentation_layer/assets/common_controls
    ${PROJECT_SOURCE_DIR}/sdk/kit/qml)
set(CPACK_QUILLMARK_SDK_CMAKE_DEPENDENCIES
    ${Qt6Core_DIR}/Qt6CoreConfig.cmake ${Qt6Gui_DIR}/Qt6GuiConfig.cmake)

include(CPack)
