# cmake -DBUILD_DIR=... -DWORK_DIR=... -DAPP_ID=... -P check_install.cmake
# Installs the build into WORK_DIR/usr, checks that every file of the package is there, and starts
# the installed program in both languages with a fresh home folder.
file(REMOVE_RECURSE "${WORK_DIR}")
set(prefix "${WORK_DIR}/usr")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${prefix}"
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${rc})")
endif()

set(expected
  bin/commtest
  share/commtest/picture/C80.BMP
  share/commtest/picture/LCD-ALM2.BMP
  share/commtest/translations/commtest_en.qm
  share/commtest/data/Communicate.txt
  share/applications/${APP_ID}.desktop
  share/metainfo/${APP_ID}.metainfo.xml
  share/icons/hicolor/48x48/apps/commtest.png
  share/icons/hicolor/128x128/apps/commtest.png
  share/icons/hicolor/256x256/apps/commtest.png)
foreach(file ${expected})
  if(NOT EXISTS "${prefix}/${file}")
    message(FATAL_ERROR "missing after install: ${file}")
  endif()
endforeach()
# Nothing of the program's own files lands beside the executable.
foreach(stray picture data translations)
  if(EXISTS "${prefix}/bin/${stray}")
    message(FATAL_ERROR "bin/${stray} should not be installed")
  endif()
endforeach()

# language, expected title
foreach(run "zh;搜索" "en;Search")
  list(GET run 0 lang)
  list(GET run 1 title)
  set(home "${WORK_DIR}/home-${lang}")
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env HOME=${home} XDG_CONFIG_HOME=${home}/.config XDG_DATA_HOME=${home}/.local/share
            QT_QPA_PLATFORM=offscreen LANG=C.UTF-8 LC_ALL= LANGUAGE=
            "${prefix}/bin/commtest" --lang ${lang} --smoke-test "${WORK_DIR}/search-${lang}.png"
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
  message(STATUS "${lang}: ${out}${err}")
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "the installed program did not show its search dialog (${rc})")
  endif()
  if(NOT out MATCHES "search dialog shown: \"${title}\"")
    message(FATAL_ERROR "expected the search dialog titled \"${title}\"")
  endif()
  if(NOT out MATCHES "program files in ${prefix}/share/commtest")
    message(FATAL_ERROR "the installed program did not find its files under share/commtest")
  endif()
  if(NOT EXISTS "${home}/.config/commtest/Communicate.txt")
    message(FATAL_ERROR "the user's settings were not seeded from the installed defaults")
  endif()
endforeach()
