# Run by pelmoran_add_program_files(): copies SOURCE's tree into DEST; the
# language profile only when DEST has none yet.
file(GLOB_RECURSE files RELATIVE ${SOURCE} ${SOURCE}/*)
foreach(file IN LISTS files)
  if(file STREQUAL "Languages/Multilanuage.INI" AND EXISTS ${DEST}/${file})
    continue()
  endif()
  get_filename_component(dir ${DEST}/${file} DIRECTORY)
  file(MAKE_DIRECTORY ${dir})
  file(COPY_FILE ${SOURCE}/${file} ${DEST}/${file} ONLY_IF_DIFFERENT)
endforeach()
file(MAKE_DIRECTORY ${DEST}/Equations)
