# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the finished build, unpacks it into a scratch
# root, looks for everything it should hold and checks its control fields, then
# runs lintian on it (any error or warning fails), hardening-check on its program and
# appstreamcli on the metainfo as installed, beside its desktop entry and icons.
#   cmake -DCOSTRUZIONE=build -DCARTELLA=dir -DLINTIAN=lintian -DHARDENING_CHECK=hardening-check
#         -DAPPSTREAMCLI=appstreamcli -P pacchetto_deb.cmake
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

# Depends: what the program links to (dpkg-shlibdeps) and what Qt loads at run time.
execute_process(COMMAND dpkg-deb -f ${pacchetti} Package Version Maintainer Depends Description OUTPUT_VARIABLE campi)
foreach(atteso "Package: zefiranda" "Version: 1.00-1" "Maintainer: Zefiranda <zefiranda@zefiranda.org>"
               "libqt6widgets6" "libqt6svg6" "qt6-qpa-plugins" "qt6-translations-l10n"
               "\n Zefiranda is a small program")
    string(FIND "${campi}" "${atteso}" dove)
    if(dove EQUAL -1)
        message(FATAL_ERROR "the package's control fields lack ${atteso}:\n${campi}")
    endif()
endforeach()

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
if(NOT esito EQUAL 0 OR metainfo MATCHES "(^|\n) *[EWI]: ")
    message(FATAL_ERROR "the installed metainfo does not validate:\n${metainfo}")
endif()
message(STATUS "${pacchetti}:\n${campi}\nlintian: ${uscita}\n${protezioni}")
