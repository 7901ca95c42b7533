# Writes the source that hands the shell the keys of its build setting, together with the
# public keys in KEY_FILES (the demo key, made by the build). Keys arrive separated by "|".
# Run as: cmake -DKEYS=<a|b> -DKEY_FILES=<file|file> -DOUTPUT=<file.cpp> -P buildkeys.cmake
string(REPLACE "|" ";" keys "${KEYS}")
string(REPLACE "|" ";" key_files "${KEY_FILES}")
foreach(key_file IN LISTS key_files)
    file(STRINGS ${key_file} lines)
    list(APPEND keys ${lines})
endforeach()
set(entries "")
foreach(key IN LISTS keys)
    string(STRIP "${key}" key)
    if(NOT key MATCHES "^[A-Za-z0-9+/=]+$")
        message(FATAL_ERROR "Not a base64 public key: ${key}")
    endif()
    string(APPEND entries "QStringLiteral(\"${key}\"), ")
endforeach()
file(WRITE ${OUTPUT}.new "// Made by the build from its signing key settings.\n"
    "#include \"buildkeys.h\"\n\nQStringList buildKeys()\n{\n    return {${entries}};\n}\n")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
