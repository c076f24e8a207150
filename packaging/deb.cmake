# The Debian package: `cpack -G DEB` in the build folder writes tagwright_<version>_<arch>.deb.
# Its library dependencies come from the binary (dpkg-shlibdeps), the spelling library among
# them; the Qt platform plugins and the spelling dictionaries are loaded at run time, so those
# packages are named here.
set(CPACK_PACKAGE_NAME tagwright)
set(CPACK_PACKAGE_VENDOR Kelvane)
set(CPACK_PACKAGE_CONTACT "Tagwright developers <tagwright@kelvane.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "editor for HTML pages and program sources in Cyrillic code pages")
set(CPACK_PACKAGE_DESCRIPTION
    "Tagwright is a multi-document editor for web pages and program sources.\n\
It colours the syntax of HTML and of some twenty other source types,\n\
inserts HTML tags, colours and images, finds and replaces with plain text\n\
or regular expressions and previews a page in the web browser. Files keep\n\
their Cyrillic code page (Windows CP-1251, DOS CP-866, KOI8-R,\n\
ISO 8859-5 or Macintosh) and their line endings.")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The platform plugins, the image plugin that draws the toolbar icons, and the dictionaries of
# the spell checker's languages.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, libqt6svg6, hunspell-ru, hunspell-uk, hunspell-en-us")
# A fixed-pitch font with Cyrillic letters, and the opener of the default browser.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, xdg-utils")

# Debian's documentation of every package: the copyright notice and the changelog, whose
# date line is the release date in the mail format.
execute_process(COMMAND date -u -R -d ${TW_RELEASE_DATE}
                OUTPUT_VARIABLE TW_RELEASE_DAY OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${CMAKE_BINARY_DIR}/packaging/changelog @ONLY)
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/packaging/changelog.gz
  COMMAND gzip -9n -c changelog > changelog.gz
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/packaging
  DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog
  VERBATIM)
add_custom_target(package-changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${CMAKE_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tagwright)

include(CPack)
