# `cpack -G DEB` in the build folder makes one Debian package with the command, the shared
# library, the headers, the CMake and pkg-config files and the manual page. Its runtime
# dependencies (SQLite, ICU, the C++ runtime, libpq once linked) are read off the installed
# binaries by dpkg-shlibdeps, so they follow what is really linked.
set(CPACK_PACKAGE_NAME zolk-fichas)
set(CPACK_PACKAGE_VENDOR "ZOLK")
set(CPACK_PACKAGE_CONTACT "ZOLK <suporte@zolk.com.br>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Clinical records of the veterinary practice: the fichas command and its library")
set(CPACK_PACKAGE_DESCRIPTION
    "The ZOLK_N_FichasClinicas business library (clinical records, exam requests and the\n\
classes that go with them) with its VB-style runtime, ADO-style data layer and Jet SQL\n\
engine on SQLite, the fichas command that drives it, and what a program needs to link it.")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
include(CPack)
