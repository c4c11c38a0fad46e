# The program's identity: the project version as a header for the programs
# (`zelk --version`, `zelk-cli --version`, the package all show the version of
# project()), and the application id that names the menu entry, the icon and the
# AppStream metainfo.
set(ZELK_APP_ID org.zelk.Zelk)
configure_file(${CMAKE_CURRENT_LIST_DIR}/version.h.in
  ${CMAKE_BINARY_DIR}/generated/zelk_version.h @ONLY)
add_library(zelk_version INTERFACE)
target_include_directories(zelk_version INTERFACE ${CMAKE_BINARY_DIR}/generated)
