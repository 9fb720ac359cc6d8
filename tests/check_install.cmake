# Installs the build into a scratch root and checks the tree a package ships: the programs answer --version,
# the desktop entries and the AppStream metadata validate, the icons have their sizes and the manuals render.
# -DBUILD_DIR=... -DROOT=... -DVERSION=...
set(prefix ${ROOT}/usr)
file(REMOVE_RECURSE ${ROOT})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix} OUTPUT_QUIET RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "cmake --install failed")
endif()

set(problems)
set(skipped)
macro(problem text)
    list(APPEND problems "${text}")
endmacro()

foreach(program zandorex zandorex-pendant)
    if(NOT EXISTS ${prefix}/bin/${program})
        problem("bin/${program} is not installed")
        continue()
    endif()
    execute_process(COMMAND ${prefix}/bin/${program} --version OUTPUT_VARIABLE said ERROR_VARIABLE complained
                    RESULT_VARIABLE failed TIMEOUT 20)
    string(STRIP "${said}" said)
    if(failed OR NOT said STREQUAL "${program} ${VERSION}")
        problem("${program} --version said \"${said}\" (${failed}) ${complained}")
    endif()
endforeach()

set(share ${prefix}/share)
set(id org.zandorex.Zandorex)
foreach(file applications/${id}.desktop applications/org.zandorex.ZandorexPendant.desktop metainfo/${id}.metainfo.xml
             icons/hicolor/scalable/apps/${id}.svg man/man1/zandorex.1.gz man/man1/zandorex-pendant.1.gz
             doc/zandorex/copyright doc/zandorex/changelog.gz doc/zandorex/connection-options.md
             doc/zandorex/wire-protocol.md doc/zandorex/scripting.md doc/zandorex/control.md doc/zandorex/replay.md
             doc/zandorex/examples/scripts/smoke.js doc/zandorex/examples/python/test_smoke.py)
    if(NOT EXISTS ${share}/${file})
        problem("share/${file} is not installed")
    endif()
endforeach()

# The Python package imports from where it is installed, and names its pytest plugin.
set(python_dir ${prefix}/lib/python3/dist-packages)
execute_process(COMMAND ${CMAKE_COMMAND} -E env PYTHONPATH=${python_dir} PYTHONDONTWRITEBYTECODE=1 /usr/bin/python3 -c
                        "import importlib.metadata as m, zandorex.pytest_plugin; print([e.value for e in m.entry_points(group='pytest11') if e.name == 'zandorex'])"
                WORKING_DIRECTORY ${ROOT} RESULT_VARIABLE failed OUTPUT_VARIABLE said ERROR_VARIABLE complained)
if(failed OR NOT said MATCHES "zandorex.pytest_plugin")
    problem("the Python package in lib/python3/dist-packages: ${said} ${complained}")
endif()

file(GLOB_RECURSE dissector ${prefix}/lib/*/wireshark/plugins/zandorex.lua ${prefix}/lib/wireshark/plugins/zandorex.lua)
if(NOT dissector)
    problem("the Wireshark dissector is not installed in lib/…/wireshark/plugins")
endif()

# A PNG's width and height are the two big-endian words after its IHDR tag.
foreach(size 16 24 32 48 64 128 256)
    set(icon ${share}/icons/hicolor/${size}x${size}/apps/${id}.png)
    if(NOT EXISTS ${icon})
        problem("the ${size}x${size} icon is not installed")
        continue()
    endif()
    file(READ ${icon} header OFFSET 16 LIMIT 8 HEX)
    string(SUBSTRING "${header}" 0 8 width)
    string(SUBSTRING "${header}" 8 8 height)
    math(EXPR width "0x${width}")
    math(EXPR height "0x${height}")
    if(NOT width EQUAL size OR NOT height EQUAL size)
        problem("the ${size}x${size} icon is ${width}x${height}")
    endif()
endforeach()

find_program(desktop_file_validate desktop-file-validate)
find_program(appstreamcli appstreamcli)
find_program(man man)
if(desktop_file_validate)
    foreach(entry ${id} org.zandorex.ZandorexPendant)
        execute_process(COMMAND ${desktop_file_validate} ${share}/applications/${entry}.desktop
                        OUTPUT_VARIABLE said ERROR_VARIABLE said RESULT_VARIABLE failed)
        if(failed OR NOT said STREQUAL "")
            problem("desktop-file-validate ${entry}.desktop: ${said}")
        endif()
    endforeach()
else()
    list(APPEND skipped "desktop-file-validate (package desktop-file-utils)")
endif()
if(appstreamcli)
    execute_process(COMMAND ${appstreamcli} validate-tree --no-net ${ROOT} OUTPUT_VARIABLE said ERROR_VARIABLE said
                    RESULT_VARIABLE failed)
    if(failed)
        problem("appstreamcli validate-tree: ${said}")
    endif()
else()
    list(APPEND skipped "appstreamcli (package appstream)")
endif()
if(man)
    foreach(page zandorex zandorex-pendant)
        execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 MANWIDTH=80
                                ${man} --warnings -E UTF-8 -l ${share}/man/man1/${page}.1.gz
                        OUTPUT_VARIABLE text ERROR_VARIABLE warnings RESULT_VARIABLE failed)
        if(failed OR NOT warnings STREQUAL "" OR NOT text MATCHES "EXIT STATUS")
            problem("man -l ${page}.1.gz: ${failed} ${warnings}")
        endif()
    endforeach()
else()
    list(APPEND skipped "man (package man-db)")
endif()

file(REMOVE_RECURSE ${ROOT})
if(problems)
    list(JOIN problems "\n  " text)
    message(FATAL_ERROR "The installed tree has problems:\n  ${text}")
endif()
if(skipped)
    list(JOIN skipped ", " text)
    message("SKIPPED: not found: ${text}; scripts/setup.sh installs them")
endif()
