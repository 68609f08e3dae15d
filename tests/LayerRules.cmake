# The rules that include roots and link lines cannot state, checked over the sources:
#  - the platform base uses Qt Core only: no Qt Gui, Widgets or PrintSupport header;
#  - the chart engine (chart/core, chart/components) uses no widget or printer header and no
#    QPainter: it draws through the device context of platform/graphics.
# Headers of Qt are found by name in the module folders, so both <QWidget> and
# <QtWidgets/QWidget> count.
#   cmake -DSOURCE_DIR=... -DQT_INCLUDE_DIR=.../qt6 -P LayerRules.cmake

set(violations "")

function(check_folder folder recurse forbidden_modules forbid_painter)
  if(recurse)
    file(GLOB_RECURSE files ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
  else()
    file(GLOB files ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
  endif()
  foreach(file ${files})
    file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*<[^>]+>")
    foreach(line ${includes})
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*<([^>]+)>.*" "\\1" header "${line}")
      string(REGEX REPLACE "^Qt[A-Za-z]+/" "" name "${header}")
      set(bad "")
      foreach(module ${forbidden_modules})
        if(EXISTS ${QT_INCLUDE_DIR}/${module}/${name} AND NOT IS_DIRECTORY ${QT_INCLUDE_DIR}/${module}/${name})
          set(bad "a ${module} header")
        endif()
      endforeach()
      if(forbid_painter AND name MATCHES "^(QPainter|QPainterPath|QPainterPathStroker|qpainter\\.h|qpainterpath\\.h)$")
        set(bad "QPainter outside the device context")
      endif()
      if(bad)
        file(RELATIVE_PATH rel ${SOURCE_DIR} ${file})
        list(APPEND violations "${rel}: <${header}> is ${bad}")
      endif()
    endforeach()
  endforeach()
  set(violations "${violations}" PARENT_SCOPE)
endfunction()

check_folder(platform OFF "QtGui;QtWidgets;QtPrintSupport;QtSvg" OFF)
check_folder(chart/core ON "QtWidgets;QtPrintSupport" ON)
check_folder(chart/components ON "QtWidgets;QtPrintSupport" ON)

if(violations)
  list(JOIN violations "\n  " text)
  message(FATAL_ERROR "Layer rules broken:\n  ${text}")
endif()
message(STATUS "Layer rules hold")
