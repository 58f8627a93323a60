# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the finished build, unpacks it into a scratch
# root, looks for everything it should hold and checks its control fields, then
# runs lintian on it (any error or warning fails), hardening-check on its program and
# appstreamcli on the metainfo as installed, beside its desktop entry and icons.
# The program has no RUNPATH, and a second cpack run gives the same bytes. Last,
# lintian on the source package made of the sources and debian/.
#   cmake -DSORGENTI=. -DCOSTRUZIONE=build -DCARTELLA=dir -DLINTIAN=lintian -DHARDENING_CHECK=hardening-check
#         -DAPPSTREAMCLI=appstreamcli -DREADELF=readelf -DDPKG_SOURCE=dpkg-source -P pacchetto_deb.cmake
file(REMOVE_RECURSE ${CARTELLA})
file(MAKE_DIRECTORY ${CARTELLA}/radice)

execute_process(COMMAND cpack -G DEB --config ${COSTRUZIONE}/CPackConfig.cmake -B ${CARTELLA}
                RESULT_VARIABLE esito OUTPUT_VARIABLE uscita ERROR_VARIABLE uscita)
file(GLOB pacchetti ${CARTELLA}/*.deb)
list(LENGTH pacchetti quanti)
if(NOT esito EQUAL 0 OR NOT quanti EQUAL 1)
    message(FATAL_ERROR "cpack did not build one package:\n${uscita}")
endif()

execute_process(COMMAND dpkg-deb -x ${pacchetti} ${CARTELLA}/radice RESULT_VARIABLE esito)
if(NOT esito EQUAL 0)
    message(FATAL_ERROR "dpkg-deb cannot unpack ${pacchetti}")
endif()
set(icone usr/share/icons/hicolor)
set(id org.zefiranda.Zefiranda)
set(attesi
    usr/bin/zefiranda
    usr/share/applications/${id}.desktop
    usr/share/metainfo/${id}.metainfo.xml
    ${icone}/scalable/apps/${id}.svg
    usr/share/man/man1/zefiranda.1.gz
    usr/share/man/it/man1/zefiranda.1.gz
    usr/share/doc/zefiranda/copyright
    usr/share/doc/zefiranda/changelog.Debian.gz)
foreach(lato 16 22 24 32 48 64 128 256 512)
    list(APPEND attesi ${icone}/${lato}x${lato}/apps/${id}.png)
endforeach()
foreach(percorso ${attesi})
    if(NOT EXISTS ${CARTELLA}/radice/${percorso})
        message(FATAL_ERROR "not in the package: /${percorso}")
    endif()
endforeach()
execute_process(COMMAND test -x ${CARTELLA}/radice/usr/bin/zefiranda RESULT_VARIABLE esito)
if(NOT esito EQUAL 0)
    message(FATAL_ERROR "/usr/bin/zefiranda is not executable")
endif()

# Depends: what the program links to (dpkg-shlibdeps) and what Qt loads at run time;
# Recommends: what it does without.
execute_process(COMMAND dpkg-deb -f ${pacchetti} Package Version Maintainer Depends Recommends Description
                OUTPUT_VARIABLE campi)
foreach(atteso "Package: zefiranda" "Version: 1.00-1" "Maintainer: Zefiranda <zefiranda@zefiranda.org>"
               "libqt6widgets6" "libqt6svg6" "qt6-qpa-plugins"
               "Recommends: qt6-wayland, qt6-translations-l10n, fonts-comic-neue\n"
               "\n Zefiranda is a small program")
    string(FIND "${campi}" "${atteso}" dove)
    if(dove EQUAL -1)
        message(FATAL_ERROR "the package's control fields lack ${atteso}:\n${campi}")
    endif()
endforeach()
if(campi MATCHES "Depends:[^\n]*translations")
    message(FATAL_ERROR "Qt's texts are a dependency:\n${campi}")
endif()

# The changelog's latest entry is this version.
execute_process(COMMAND gzip -dc ${CARTELLA}/radice/usr/share/doc/zefiranda/changelog.Debian.gz
                OUTPUT_VARIABLE registro)
string(FIND "${registro}" "zefiranda (1.00-1) " dove)
if(NOT dove EQUAL 0)
    message(FATAL_ERROR "changelog.Debian.gz does not start with version 1.00-1:\n${registro}")
endif()

if(NOT LINTIAN OR NOT HARDENING_CHECK OR NOT APPSTREAMCLI)
    message(FATAL_ERROR "lintian, hardening-check and appstreamcli (packages lintian, devscripts, appstream) "
                        "are needed: tools/setup test")
endif()
execute_process(COMMAND ${LINTIAN} --fail-on error,warning --display-info --tag-display-limit 0 ${pacchetti}
                RESULT_VARIABLE esito OUTPUT_VARIABLE uscita ERROR_VARIABLE uscita)
if(NOT esito EQUAL 0)
    message(FATAL_ERROR "lintian finds fault with ${pacchetti}:\n${uscita}")
endif()
# Control flow integrity is left out: Debian 12's C start-up files (crt1.o, crti.o) carry no
# IBT/SHSTK property, so no program linked there has it; /usr/bin/dpkg fails that line too.
execute_process(COMMAND ${HARDENING_CHECK} --nocfprotection ${CARTELLA}/radice/usr/bin/zefiranda
                RESULT_VARIABLE esito OUTPUT_VARIABLE protezioni ERROR_VARIABLE protezioni)
if(NOT esito EQUAL 0)
    message(FATAL_ERROR "the packaged program is not hardened:\n${protezioni}")
endif()
execute_process(COMMAND ${APPSTREAMCLI} validate-tree --pedantic --no-net --no-color ${CARTELLA}/radice
                RESULT_VARIABLE esito OUTPUT_VARIABLE metainfo ERROR_VARIABLE metainfo)
# Debian 12's AppStream does not know <developer> yet (see tests/CMakeLists.txt).
string(REGEX REPLACE "(^|\n) *I: [^\n]*: unknown-tag developer\n" "\\1" resto "${metainfo}")
if(NOT esito EQUAL 0 OR resto MATCHES "(^|\n) *[EWI]: ")
    message(FATAL_ERROR "the installed metainfo does not validate:\n${metainfo}")
endif()
if(NOT READELF OR NOT DPKG_SOURCE)
    message(FATAL_ERROR "readelf and dpkg-source (packages binutils, dpkg-dev) are needed: tools/setup test")
endif()
execute_process(COMMAND ${READELF} -d ${CARTELLA}/radice/usr/bin/zefiranda RESULT_VARIABLE esito OUTPUT_VARIABLE dinamica)
if(NOT esito EQUAL 0 OR dinamica MATCHES "RUNPATH|RPATH")
    message(FATAL_ERROR "the packaged program has a library search path of its own:\n${dinamica}")
endif()

# Made again a second later: every date in it is SOURCE_DATE_EPOCH's, not the clock's.
execute_process(COMMAND ${CMAKE_COMMAND} -E sleep 1.1)
execute_process(COMMAND cpack -G DEB --config ${COSTRUZIONE}/CPackConfig.cmake -B ${CARTELLA}/di_nuovo
                RESULT_VARIABLE esito OUTPUT_VARIABLE uscita ERROR_VARIABLE uscita)
get_filename_component(nome ${pacchetti} NAME)
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${pacchetti} ${CARTELLA}/di_nuovo/${nome} RESULT_VARIABLE diversi)
if(NOT esito EQUAL 0 OR diversi)
    message(FATAL_ERROR "a second cpack run gives a different package (diffoscope shows how):\n"
                        "${pacchetti}\n${CARTELLA}/di_nuovo/${nome}\n${uscita}")
endif()

# The source package: the sources without debian/ as the upstream tarball, then debian/ beside them.
set(albero ${CARTELLA}/zefiranda-1.00)
file(COPY ${SORGENTI}/ DESTINATION ${albero} REGEX "^${SORGENTI}/(build[^/]*|debian|\\.git)$" EXCLUDE
     REGEX "^${COSTRUZIONE}$" EXCLUDE)
execute_process(COMMAND tar -cJf zefiranda_1.00.orig.tar.xz zefiranda-1.00 WORKING_DIRECTORY ${CARTELLA})
file(COPY ${SORGENTI}/debian DESTINATION ${albero})
execute_process(COMMAND ${DPKG_SOURCE} -b zefiranda-1.00 WORKING_DIRECTORY ${CARTELLA}
                RESULT_VARIABLE esito OUTPUT_VARIABLE sorgente ERROR_VARIABLE sorgente)
if(NOT esito EQUAL 0)
    message(FATAL_ERROR "dpkg-source cannot build the source package:\n${sorgente}")
endif()
execute_process(COMMAND ${LINTIAN} --fail-on error,warning --display-info --tag-display-limit 0
                        ${CARTELLA}/zefiranda_1.00-1.dsc
                RESULT_VARIABLE esito OUTPUT_VARIABLE sorgente ERROR_VARIABLE sorgente)
if(NOT esito EQUAL 0)
    message(FATAL_ERROR "lintian finds fault with the source package:\n${sorgente}")
endif()
message(STATUS "${pacchetti}:\n${campi}\nlintian: ${uscita}\n${protezioni}\nsource package: ${sorgente}")
