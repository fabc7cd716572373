# A Windows build: the programs carry the icon and version (packaging/windows/shrink4.rc.in);
# scripts/deploy-windows.sh gathers them with Qt's DLLs, and NSIS makes the installer
# (./dev windows). The version they name is written beside the build.
set(SHRINK4_WINDOWS_ICON ${PROJECT_SOURCE_DIR}/packaging/windows/shrink4.ico)
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/shrink4.rc.in ${PROJECT_BINARY_DIR}/shrink4.rc @ONLY)
file(WRITE ${PROJECT_BINARY_DIR}/version.txt "${PROJECT_VERSION}\n")
foreach(program IN ITEMS shrink4 shrink4-cli)
  if(TARGET ${program})
    target_sources(${program} PRIVATE ${PROJECT_BINARY_DIR}/shrink4.rc)
  endif()
endforeach()
