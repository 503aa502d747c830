# pelmoran_add_program_files(<target>): after each build of <target>, the
# program folder's files (resources/program/: the language files and the help
# pages) are copied beside the target's file, where the program looks for
# them. The language profile is copied only when missing, so the language a
# user chose survives a rebuild.
set(PELMORAN_PROGRAM_FILES_DIR ${CMAKE_CURRENT_LIST_DIR}/program CACHE INTERNAL "")

function(pelmoran_add_program_files target)
  set(src ${PELMORAN_PROGRAM_FILES_DIR})
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -D SOURCE=${src} -D DEST=$<TARGET_FILE_DIR:${target}>
            -P ${PELMORAN_PROGRAM_FILES_DIR}/../CopyProgramFiles.cmake
    COMMENT "Copying the program folder's files beside ${target}")
endfunction()
