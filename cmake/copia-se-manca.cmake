# Copia un file dati solo se manca: un rebuild non azzera classifica e contatore
# e non inciampa nei file resi di sola lettura dal gioco.
file(GLOB FILES "${SORGENTE}/Mr.Gorbio.00*")
file(MAKE_DIRECTORY "${DEST}")
foreach(f IN LISTS FILES)
  get_filename_component(nome "${f}" NAME)
  if(NOT EXISTS "${DEST}/${nome}")
    file(COPY "${f}" DESTINATION "${DEST}")
  endif()
endforeach()
