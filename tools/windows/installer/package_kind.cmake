# Read by CPack for each kind of package: the zip unpacks into a folder of
# its own; the installer puts the files straight into the folder the player
# chose (NSIS takes no top folder).
if(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
endif()
