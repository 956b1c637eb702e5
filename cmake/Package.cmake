# Manual pages, AppStream metadata and the Debian package.
#
# The manual pages are installed gzipped, as Debian keeps them; `cpack -G DEB`
# in the build folder (scripts/package.sh) makes the package of everything
# that `cmake --install` installs, under /usr, with stripped binaries and the
# dependencies that dpkg-shlibdeps finds in them.

set(KZ_HOMEPAGE_URL "https://kervazyl.example.org" CACHE STRING
    "Web address of the program; its screenshots are under <address>/screenshots/")
set(KZ_PACKAGE_MAINTAINER "Kerva Zyl developers <kervazyl@example.org>" CACHE STRING
    "Maintainer field of the Debian package")

set(KZ_APPSTREAM_ID com.brisklane.KervaZyl)
set(kz_man_pages kervazyl-cli)
if(TARGET kervazyl)
  list(APPEND kz_man_pages kervazyl)
endif()
set(kz_man_files)
foreach(page IN LISTS kz_man_pages)
  set(plain ${CMAKE_BINARY_DIR}/man/${page}.1)
  add_custom_command(
    OUTPUT ${plain}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/data/man/${page}.1 ${plain}
    # -n keeps the name and time out, so that equal pages give equal files.
    COMMAND gzip -9nf ${plain}
    DEPENDS ${CMAKE_SOURCE_DIR}/data/man/${page}.1
    VERBATIM)
  list(APPEND kz_man_files ${plain}.gz)
endforeach()
add_custom_target(kz_man_pages ALL DEPENDS ${kz_man_files})
install(FILES ${kz_man_files} DESTINATION share/man/man1)

if(TARGET kervazyl)
  configure_file(${CMAKE_SOURCE_DIR}/data/kervazyl.metainfo.xml.in
                 ${CMAKE_BINARY_DIR}/data/${KZ_APPSTREAM_ID}.metainfo.xml @ONLY)
  install(FILES ${CMAKE_BINARY_DIR}/data/${KZ_APPSTREAM_ID}.metainfo.xml
          DESTINATION share/metainfo)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kervazyl)
set(CPACK_PACKAGE_VENDOR Brisklane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${KZ_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "personal finances: holdings, spendings, debts and clients")
set(CPACK_PACKAGE_DESCRIPTION
    "Kerva Zyl keeps a person's money in one data file: holdings with their
balances in up to three currency units, incomes and spendings, money
borrowed and lent with interest, and clients with dated and monthly
payments. Reminders, monthly reports, graphs, a phone book and a notepad
come with it; the user interface is in Russian.

kervazyl-cli reads, writes, reports on and exports the data files
(CSV for spreadsheets, QIF for other finance programs).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${KZ_HOMEPAGE_URL})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own dialog buttons in Russian; the program runs without them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
include(CPack)

if(KZ_BUILD_TESTS AND TARGET kervazyl)
  add_test(NAME Package.DebianPackage
           COMMAND bash ${CMAKE_SOURCE_DIR}/tests/package/check_deb.sh ${CMAKE_BINARY_DIR}
                   ${CMAKE_CPACK_COMMAND})
  set_tests_properties(Package.DebianPackage PROPERTIES TIMEOUT 300)
endif()
