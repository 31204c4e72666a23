# The Debian package, made from the install rules (install.cmake) after a build:
#   cmake --build build && (cd build && cpack -G DEB)      ->  build/prismara_<version>_<arch>.deb
# The program is stripped; its library dependencies are found by dpkg-shlibdeps.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME prismara)
set(CPACK_PACKAGE_VENDOR "quorvel software")
set(CPACK_PACKAGE_CONTACT "quorvel software <prismara@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# The extended description: lines of at most 80 characters; CPack indents them.
set(CPACK_PACKAGE_DESCRIPTION [[Prismara helps you choose colours and put them together. Set a colour by
typing its hexadecimal or decimal value, by clicking a colour wheel, by picking
any pixel on the screen or by taking it from a palette, and see it at once in
RGB, HSL, CMY, CMYK, YCbCr, Lab, LCh and OKLCH.

It derives twelve related colours on an RGB, RYB or OKLCH wheel with the
harmonies marked, keeps named palettes (and reads and writes those of GIMP,
Adobe, LibreOffice and others), designs web colour schemes with their contrast
checked, and copies a colour in eighteen notations.]])
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PRISMARA_HOME_PAGE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Links and the help file are handed to the desktop with xdg-open; Qt reads WebP images (File >
# Pick From Image...) through the image-format plugins.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-image-formats-plugins")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
