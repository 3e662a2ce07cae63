# Run by CPack once the project is installed in the package's staging folder
# under /opt: what a desktop looks for (desktop entry, icon, metainfo), the
# manual pages and the package's documents move to /usr/share, the three
# programs go on the PATH, and lintian learns why the rest is in /opt.
set(root "${CPACK_TEMPORARY_DIRECTORY}")
set(prefix "${CPACK_PACKAGING_INSTALL_PREFIX}")
set(KORVANE_PROGRAM_DIR "${prefix}/Tarnwell/Korvane")

file(MAKE_DIRECTORY "${root}/usr/bin")
file(RENAME "${root}${prefix}/share" "${root}/usr/share")
# Each program finds its data from its own path, links and all, wherever it
# is started.
foreach(program korvane korvane-bill korvane-price)
  file(CREATE_LINK "${KORVANE_PROGRAM_DIR}/${program}" "${root}/usr/bin/${program}" SYMBOLIC)
endforeach()
file(MAKE_DIRECTORY "${root}/usr/share/lintian/overrides")
file(COPY_FILE "${CMAKE_CURRENT_LIST_DIR}/korvane.lintian-overrides"
  "${root}/usr/share/lintian/overrides/korvane")
