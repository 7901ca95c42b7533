# The demo unlock table is what the generator makes again of the demo resource and the demo
# secret: support can regenerate a table from the secret, and the checked-in table matches.
set(demo ${SOURCE_DIR}/tools/codes/demo)
file(REMOVE ${OUTPUT})
execute_process(
    COMMAND ${CODEGEN} table --secret-file ${demo}/DEMO_support_secret.txt
        --resource ${SOURCE_DIR}/assets/codes/codeCustomer.txt --unlock-table ${OUTPUT}
    RESULT_VARIABLE result ERROR_VARIABLE error)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "the demo secret does not remake the demo table: ${error}")
endif()
file(READ ${OUTPUT} remade)
file(READ ${demo}/DEMO_unlock_table.txt checked_in)
if(NOT remade STREQUAL checked_in)
    message(FATAL_ERROR "tools/codes/demo/DEMO_unlock_table.txt differs from the remade table")
endif()
