# The files installed beside the program (manual page, AppStream metadata, Debian's copyright and
# changelog) and the Debian package made from them (cpack -G DEB, see scripts/package).

# Compresses `source` into the build folder as Debian wants it (gzip -9, no name, no time stamp).
function(quendrix_gzip source output)
  get_filename_component(name ${output} NAME_WLE)
  set(copy ${PROJECT_BINARY_DIR}/packaging/${name})
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${copy}
    COMMAND gzip -9nf ${copy}
    DEPENDS ${source} VERBATIM)
endfunction()

set(QUENDRIX_PACKAGING ${PROJECT_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${QUENDRIX_PACKAGING})
quendrix_gzip(${PROJECT_SOURCE_DIR}/resources/quendrix.1 ${QUENDRIX_PACKAGING}/quendrix.1.gz)
quendrix_gzip(${PROJECT_SOURCE_DIR}/packaging/debian/changelog ${QUENDRIX_PACKAGING}/changelog.Debian.gz)
add_custom_target(quendrix_compressed_docs ALL
  DEPENDS ${QUENDRIX_PACKAGING}/quendrix.1.gz ${QUENDRIX_PACKAGING}/changelog.Debian.gz)

install(FILES ${QUENDRIX_PACKAGING}/quendrix.1.gz DESTINATION share/man/man1)
install(FILES ${PROJECT_SOURCE_DIR}/resources/example.taviron.quendrix.metainfo.xml DESTINATION share/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/debian/copyright ${QUENDRIX_PACKAGING}/changelog.Debian.gz
        DESTINATION share/doc/quendrix)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/debian/lintian-overrides DESTINATION share/lintian/overrides
        RENAME quendrix)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quendrix)
set(CPACK_PACKAGE_VENDOR TAVIRON)
set(CPACK_PACKAGE_CONTACT "TAVIRON <quendrix@taviron.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "design and print CD covers and CD labels")
# The lines of the extended description, each shorter than 80 characters as Debian wants them.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Quendrix makes printed covers and labels for CDs: scan a picture or open a"
  "picture file, crop, turn and retouch it, put texts, notes and shapes over it,"
  "centre it on a sheet of label blanks and print as many copies as needed,"
  "corrected for the printer."
  "."
  "It reads and writes BMP, GIF, IFF, JPEG, PCX, TGA, TIFF and PNG pictures, scans"
  "through SANE, reads track lists from audio files, cue sheets and playlists,"
  "and prints on booklet, inlay and disc label sheets, with label templates in the"
  "gLabels format. Batch commands convert, retouch, scan, render and print"
  "without a display.")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.taviron.example/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libcups2, libsane1")  # loaded when first used
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "sane-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "cups")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
