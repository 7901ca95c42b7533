# Read by cpack (CPACK_PROJECT_CONFIG_FILE). dpkg-shlibdeps sees only what is linked; the QML
# modules that the screens import and the CMake packages that the SDK's package looks for
# are found here, each as the Debian package that owns it on the building machine.

# The Debian package that owns `file`, at least at the version given.
function(quillmark_owner file minimum out_var)
    execute_process(COMMAND dpkg-query --search ${file}
        OUTPUT_VARIABLE owner RESULT_VARIABLE failed OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(failed OR NOT owner MATCHES "^([^:,]+)(:[^:,]+)?: ")
        message(FATAL_ERROR "No Debian package owns ${file}; packages need it installed")
    endif()
    set(${out_var} "${CMAKE_MATCH_1} (>= ${minimum})" PARENT_SCOPE)
endfunction()

if(CPACK_GENERATOR STREQUAL "DEB")
    set(roots)
    foreach(root IN LISTS CPACK_QUILLMARK_QML_ROOTS)
        list(APPEND roots -rootPath ${root})
    endforeach()
    execute_process(
        COMMAND ${CPACK_QUILLMARK_QMLIMPORTSCANNER} ${roots}
                -importPath ${CPACK_QUILLMARK_QT_QML_DIR}
        OUTPUT_VARIABLE imports ERROR_QUIET COMMAND_ERROR_IS_FATAL ANY)
    string(JSON count LENGTH "${imports}")
    set(qml_packages)
    if(count GREATER 0)
        math(EXPR last "${count} - 1")
        foreach(index RANGE ${last})
            string(JSON path ERROR_VARIABLE no_path GET "${imports}" ${index} path)
            if(no_path OR NOT path MATCHES "^${CPACK_QUILLMARK_QT_QML_DIR}/")
                continue()
            endif()
            quillmark_owner(${path}/qmldir ${CPACK_QUILLMARK_QT_VERSION} package)
            list(APPEND qml_packages "${package}")
        endforeach()
    endif()
    list(REMOVE_DUPLICATES qml_packages)
    list(SORT qml_packages)
    list(JOIN qml_packages ", " CPACK_DEBIAN_SHELL_PACKAGE_DEPENDS)

    set(sdk_packages "${CPACK_DEBIAN_SDK_PACKAGE_DEPENDS}")
    foreach(config_file IN LISTS CPACK_QUILLMARK_SDK_CMAKE_DEPENDENCIES)
        quillmark_owner(${config_file} ${CPACK_QUILLMARK_QT_VERSION} package)
        list(APPEND sdk_packages "${package}")
    endforeach()
    list(REMOVE_DUPLICATES sdk_packages)
    list(JOIN sdk_packages ", " CPACK_DEBIAN_SDK_PACKAGE_DEPENDS)
endif()
