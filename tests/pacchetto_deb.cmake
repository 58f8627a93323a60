# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the finished build, unpacks it into a scratch
# root and looks for the program, its desktop entry, its metainfo and its icons.
#   cmake -DCOSTRUZIONE=build -DCARTELLA=dir -P pacchetto_deb.cmake
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
foreach(percorso
        usr/bin/zefiranda
        usr/share/applications/org.zefiranda.Zefiranda.desktop
        usr/share/metainfo/org.zefiranda.Zefiranda.metainfo.xml
        usr/share/icons/hicolor/32x32/apps/org.zefiranda.Zefiranda.png
        usr/share/icons/hicolor/48x48/apps/org.zefiranda.Zefiranda.png
        usr/share/icons/hicolor/scalable/apps/org.zefiranda.Zefiranda.svg)
    if(NOT EXISTS ${CARTELLA}/radice/${percorso})
        message(FATAL_ERROR "not in the package: /${percorso}")
    endif()
endforeach()
execute_process(COMMAND test -x ${CARTELLA}/radice/usr/bin/zefiranda RESULT_VARIABLE esito)
if(NOT esito EQUAL 0)
    message(FATAL_ERROR "/usr/bin/zefiranda is not executable")
endif()

execute_process(COMMAND dpkg-deb -f ${pacchetti} Package Version Depends OUTPUT_VARIABLE campi)
foreach(atteso "Package: zefiranda" "Version: 1.00" "libqt6widgets6" "libqt6svg6" "qt6-qpa-plugins")
    string(FIND "${campi}" "${atteso}" dove)
    if(dove EQUAL -1)
        message(FATAL_ERROR "the package's control fields lack ${atteso}:\n${campi}")
    endif()
endforeach()
message(STATUS "${pacchetti}:\n${campi}")
