# Il pacchetto Debian, con CPack: cpack -G DEB --config build/CPackConfig.cmake
# Riusa la compilazione di build/ e le regole d'installazione (componente "gioco");
# solo al pacchetto (EXCLUDE_FROM_ALL: l'installazione per utente non lo tocca) la
# cartella del programma in /usr/lib/games/mrgorbio con le impostazioni di partenza, il
# comando in /usr/games, la voce del menu con quel percorso, copyright, changelog e manuale.
# Il pacchetto non ha script: installare e togliere non toccano le copie dei giocatori.
set(PACCHETTO ${CMAKE_BINARY_DIR}/pacchetto)
set(PACCHETTO_SORGENTI ${CMAKE_SOURCE_DIR}/cmake/pacchetto)
set(GORBIO_PREFISSO_PACCHETTO /usr)
set(GORBIO_DOC share/doc/mrgorbio)
set(GORBIO_CARTELLA_PACCHETTO lib/games/mrgorbio)
file(MAKE_DIRECTORY ${PACCHETTO})

gorbio_cartella_programma(${GORBIO_CARTELLA_PACCHETTO} pacchetto EXCLUDE_FROM_ALL)
# un file normale del pacchetto: chi gioca non lo scrive, ne fa la sua copia
install(FILES ${CMAKE_SOURCE_DIR}/data/Mr.Gorbio.002 DESTINATION ${GORBIO_CARTELLA_PACCHETTO}
        COMPONENT pacchetto EXCLUDE_FROM_ALL)
file(CREATE_LINK ../${GORBIO_CARTELLA_PACCHETTO}/mrgorbio ${PACCHETTO}/mrgorbio SYMBOLIC)
install(FILES ${PACCHETTO}/mrgorbio DESTINATION games COMPONENT pacchetto EXCLUDE_FROM_ALL)

file(READ ${CMAKE_SOURCE_DIR}/resources/desktop/${GORBIO_ID}.desktop voce)
string(REPLACE "Exec=mrgorbio" "Exec=${GORBIO_PREFISSO_PACCHETTO}/games/mrgorbio" voce "${voce}")
file(WRITE ${PACCHETTO}/${GORBIO_ID}.desktop "${voce}")
install(FILES ${PACCHETTO}/${GORBIO_ID}.desktop DESTINATION share/applications COMPONENT pacchetto EXCLUDE_FROM_ALL)

# il copyright del carattere e' quello del suo pacchetto Debian, limitato ai suoi file
file(READ ${CMAKE_SOURCE_DIR}/resources/fonts/LICENSE licenza)
string(REGEX REPLACE ".*\nFiles: \\*\n" "Files: resources/fonts/*\n" licenza "${licenza}")
string(REGEX REPLACE "\n\nFiles: debian/.*" "\n" GORBIO_FONT "${licenza}")
configure_file(${PACCHETTO_SORGENTI}/copyright.in ${PACCHETTO}/copyright @ONLY)
install(FILES ${PACCHETTO}/copyright DESTINATION ${GORBIO_DOC} COMPONENT pacchetto EXCLUDE_FROM_ALL)

# Debian li vuole compressi, senza nome ne' data dentro (gzip -n)
foreach(f changelog mrgorbio.6)
  execute_process(COMMAND gzip -9nc ${PACCHETTO_SORGENTI}/${f} OUTPUT_FILE ${PACCHETTO}/${f}.gz COMMAND_ERROR_IS_FATAL ANY)
endforeach()
file(RENAME ${PACCHETTO}/changelog.gz ${PACCHETTO}/changelog.Debian.gz)
install(FILES ${PACCHETTO}/changelog.Debian.gz DESTINATION ${GORBIO_DOC} COMPONENT pacchetto EXCLUDE_FROM_ALL)
install(FILES ${PACCHETTO}/mrgorbio.6.gz DESTINATION share/man/man6 COMPONENT pacchetto EXCLUDE_FROM_ALL)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mrgorbio)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX ${GORBIO_PREFISSO_PACCHETTO})
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL gioco pacchetto)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Gorbio Dev <dev@gorbio.invalid>")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "il gioco dell'impiccato in italiano
Il computer sceglie un sostantivo di sei-dieci lettere; lo si indovina
lettera per lettera, dalla tastiera o con i 21 pulsanti, contro un conto
alla rovescia che si accorcia ogni cinque round. Ogni errore porta
Mr. Gorbio un passo più vicino al cappio. Ci sono il jolly, la soluzione,
la resa, la pausa, le partite salvate e la classifica dei cinque migliori,
che ogni utente della macchina tiene per sé.")
# le librerie dall'eseguibile e dal modulo del suono (dpkg-shlibdeps); i plugin che Qt
# carica da solo: X e Wayland, i dialoghi in italiano. Il plugin multimediale sta in
# libqt6multimedia6, che il modulo del suono gia' richiede.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-wayland, qt6-translations-l10n")
include(CPack)
