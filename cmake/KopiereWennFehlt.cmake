# Copies every file of QUELLE into ZIEL that ZIEL does not hold yet: the example data never
# overwrites a library the user has changed beside the program.
file(GLOB_RECURSE dateien RELATIVE ${QUELLE} ${QUELLE}/*)
foreach(datei IN LISTS dateien)
  if(NOT EXISTS ${ZIEL}/${datei})
    get_filename_component(ordner ${ZIEL}/${datei} DIRECTORY)
    file(MAKE_DIRECTORY ${ordner})
    file(COPY_FILE ${QUELLE}/${datei} ${ZIEL}/${datei})
  endif()
endforeach()
