# Installazione per il menu del desktop: cmake --install build --prefix ~/.local
# La cartella del programma (eseguibile, modulo del suono, cinque file dati)
# resta unita in <prefisso>/lib/mrgorbio; bin/mrgorbio e' un collegamento.
# Componenti: "gioco" (icone, metadati) e' di tutte e due le installazioni, "utente"
# solo di quella per utente, "pacchetto" (cmake/pacchetto.cmake) solo del pacchetto Debian.
set(GORBIO_ID it.veltrak.mrgorbio)
set(GORBIO_CARTELLA lib/mrgorbio)
set(GORBIO_DEST "\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${GORBIO_CARTELLA}")
# le icone in ogni misura che il gioco disegna (icona_<lato>.png)
file(GLOB icone ${CMAKE_SOURCE_DIR}/resources/img/icona_*.png)
list(TRANSFORM icone REPLACE ".*icona_([0-9]+)\\.png$" "\\1" OUTPUT_VARIABLE GORBIO_ICONE)

# La cartella del programma: eseguibile, modulo del suono e i file dati che il gioco
# non scrive. Dopo il componente si puo' dare EXCLUDE_FROM_ALL.
function(gorbio_cartella_programma cartella componente)
  install(TARGETS mrgorbio RUNTIME DESTINATION ${cartella} COMPONENT ${componente} ${ARGN})
  install(TARGETS gorbio_suono LIBRARY DESTINATION ${cartella} COMPONENT ${componente} ${ARGN})
  # il gioco toglie il permesso di scrittura a 001, 003, 004 e 005: file(INSTALL)
  # scrive un file nuovo al loro posto, quindi si sostituiscono lo stesso
  install(FILES ${CMAKE_SOURCE_DIR}/data/Mr.Gorbio.001 ${CMAKE_SOURCE_DIR}/data/Mr.Gorbio.003
                ${CMAKE_SOURCE_DIR}/data/Mr.Gorbio.004 ${CMAKE_SOURCE_DIR}/data/Mr.Gorbio.005
          DESTINATION ${cartella} COMPONENT ${componente} ${ARGN})
endfunction()

gorbio_cartella_programma(${GORBIO_CARTELLA} utente)
# le impostazioni (classifica, contatore degli avvii) non si sovrascrivono mai
install(CODE "
  if(EXISTS \"${GORBIO_DEST}/Mr.Gorbio.002\")
    message(STATUS \"Tengo le impostazioni: ${GORBIO_DEST}/Mr.Gorbio.002\")
  else()
    file(INSTALL \"${CMAKE_SOURCE_DIR}/data/Mr.Gorbio.002\" DESTINATION \"${GORBIO_DEST}\")
  endif()" COMPONENT utente)

# per togliere tutto: <prefisso>/lib/mrgorbio/disinstalla
string(JOIN " " GORBIO_ICONE_ELENCO ${GORBIO_ICONE})
configure_file(${CMAKE_SOURCE_DIR}/cmake/disinstalla.in ${CMAKE_BINARY_DIR}/installa/disinstalla @ONLY)
install(PROGRAMS ${CMAKE_BINARY_DIR}/installa/disinstalla DESTINATION ${GORBIO_CARTELLA} COMPONENT utente)

# il comando: un collegamento relativo, cosi' il gioco trova i suoi file accanto all'eseguibile vero
file(CREATE_LINK ../${GORBIO_CARTELLA}/mrgorbio ${CMAKE_BINARY_DIR}/installa/mrgorbio SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/installa/mrgorbio DESTINATION bin COMPONENT utente)

set(DESKTOP ${CMAKE_SOURCE_DIR}/resources/desktop)
# il menu avvia il percorso intero: ~/.local/bin non e' sempre nel PATH della sessione
install(CODE "
  file(READ \"${DESKTOP}/${GORBIO_ID}.desktop\" voce)
  string(REPLACE \"Exec=mrgorbio\" \"Exec=\\\"\${CMAKE_INSTALL_PREFIX}/bin/mrgorbio\\\"\" voce \"\${voce}\")
  file(WRITE \"${CMAKE_BINARY_DIR}/installa/${GORBIO_ID}.desktop\" \"\${voce}\")
  file(INSTALL \"${CMAKE_BINARY_DIR}/installa/${GORBIO_ID}.desktop\"
       DESTINATION \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/share/applications\")" COMPONENT utente)
install(FILES ${DESKTOP}/${GORBIO_ID}.metainfo.xml DESTINATION share/metainfo COMPONENT gioco)
foreach(lato IN LISTS GORBIO_ICONE)
  install(FILES ${CMAKE_SOURCE_DIR}/resources/img/icona_${lato}.png
          DESTINATION share/icons/hicolor/${lato}x${lato}/apps RENAME ${GORBIO_ID}.png COMPONENT gioco)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/resources/sources/immagini/icona.svg
        DESTINATION share/icons/hicolor/scalable/apps RENAME ${GORBIO_ID}.svg COMPONENT gioco)
