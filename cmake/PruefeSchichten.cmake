# Run at every build (cmake -DQUELLORDNER=<src> -P): the core and the drawing layer include no
# widget or print-dialog header, in whatever spelling (<QWidget> already fails for want of the
# include path, <QtWidgets/QWidget> would not). The core talks to no user either: it returns its
# messages and takes questions as a function, so no core file but the dialog interface's own
# (platform/u_dialoge*) reaches the dialogs in force or shows messages itself.
include(${CMAKE_CURRENT_LIST_DIR}/Schichten.cmake)
foreach(ordner IN LISTS KELVARA_ORDNER)
  file(GLOB dateien ${QUELLORDNER}/${ordner}/*.cpp ${QUELLORDNER}/${ordner}/*.h)
  foreach(datei IN LISTS dateien)
    get_filename_component(name ${datei} NAME)
    kelvara_schicht(${name} ${ordner} schicht)
    if(NOT schicht STREQUAL "fenster" AND NOT name STREQUAL "main.cpp")
      file(STRINGS ${datei} treffer REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](QtWidgets|QtPrintSupport)/")
      if(treffer)
        message(FATAL_ERROR "${datei}: ${treffer}\nThe core and the drawing layer use no widgets.")
      endif()
    endif()
    if(schicht STREQUAL "kern" AND NOT name MATCHES "^u_dialoge" AND NOT name STREQUAL "main.cpp")
      file(STRINGS ${datei} treffer REGEX "(^|[^A-Za-z0-9_])(dialoge|setzeDialoge|ZeigeMeldungen?|FrageBejaht|MitMeldungen|DebugPunkt)[ \t]*[(]")
      if(treffer)
        message(FATAL_ERROR "${datei}: ${treffer}\nThe core returns its messages and asks through a Rueckfrage; only windows and kelvara-cli show them.")
      endif()
    endif()
  endforeach()
endforeach()
