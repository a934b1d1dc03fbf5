# Precompiled headers: the Qt and standard headers that nearly every source
# file reads are parsed once per target instead of once per file. Switched on
# by scripts/build.sh, as are the unit tests' quicker options
# (tests/CMakeLists.txt); a folder configured by hand keeps its options.
option(SKRIBANO_SCHNELL "Precompiled headers and batched sources; the unit tests' own code at -O1" OFF)
set(SKRIBANO_PCH_KOPFDATEIEN
  <algorithm> <cmath> <cstdint> <functional> <memory> <vector>
  <QAction> <QApplication> <QCoreApplication> <QCursor> <QDialog> <QDir> <QFile>
  <QFileInfo> <QGuiApplication> <QImage> <QKeyEvent> <QLabel> <QMenu> <QMouseEvent>
  <QPainter> <QPushButton> <QRect> <QScreen> <QString> <QTimer> <QToolButton> <QWidget>
  <QWindow>)

# The program's own list, for the library and whatever compiles like it.
function(skribano_vorkompilieren ZIEL)
  if(SKRIBANO_SCHNELL)
    target_precompile_headers(${ZIEL} PRIVATE ${SKRIBANO_PCH_KOPFDATEIEN} ${ARGN})
  endif()
endfunction()

# Every target compiled in batches of source files: each batch reads the
# headers once. Names private to a source file must therefore differ between
# the files of one target.
if(SKRIBANO_SCHNELL)
  set(CMAKE_UNITY_BUILD ON)
endif()

# A target compiled with the same options reads the library's headers.
function(skribano_vorkompiliert_wie_bibliothek ZIEL)
  if(SKRIBANO_SCHNELL)
    target_precompile_headers(${ZIEL} REUSE_FROM skribano_core)
  endif()
endfunction()
