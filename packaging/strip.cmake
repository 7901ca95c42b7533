# Run by cpack on the staged files before it packs them (CPACK_PRE_BUILD_SCRIPTS): removes what
# Debian's own packaging strips beyond the symbols, the compiler's .comment and .note sections,
# and makes static archives deterministic.
file(GLOB_RECURSE staged LIST_DIRECTORIES false "${CPACK_TEMPORARY_DIRECTORY}/*")
foreach(file IN LISTS staged)
    if(IS_SYMLINK ${file})
        continue()
    endif()
    file(READ ${file} magic LIMIT 8 HEX)
    if(magic STREQUAL "213c617263683e0a") # "!<arch>\n"
        set(options --strip-debug --enable-deterministic-archives)
    elseif(magic MATCHES "^7f454c46") # ELF
        set(options --strip-unneeded)
    else()
        continue()
    endif()
    execute_process(COMMAND strip ${options} --remove-section=.comment --remove-section=.note
        ${file} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
