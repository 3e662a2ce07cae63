# Run by CPack once the project is installed in the package's staging folder
# under /opt: what a desktop looks for (desktop entry, icon, metainfo) moves
# to /usr/share, and both programs go on the PATH.
set(root "${CPACK_TEMPORARY_DIRECTORY}")
set(prefix "${CPACK_PACKAGING_INSTALL_PREFIX}")
set(KORVANE_PROGRAM_DIR "${prefix}/Tarnwell/Korvane")

file(MAKE_DIRECTORY "${root}/usr/bin")
file(RENAME "${root}${prefix}/share" "${root}/usr/share")
# korvane-price finds its data from its own path, links and all.
file(CREATE_LINK "${KORVANE_PROGRAM_DIR}/korvane-price" "${root}/usr/bin/korvane-price" SYMBOLIC)
# The window finds its default cost file from the folder it starts in.
configure_file("${CMAKE_CURRENT_LIST_DIR}/korvane.sh.in" "${root}/usr/bin/korvane" @ONLY
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ
  WORLD_EXECUTE)
