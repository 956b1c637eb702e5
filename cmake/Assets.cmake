# The desktop program's read-only assets and its installation.
#
# The sounds are generated at build time and the help pages copied, both into
# the folder of the built `kervazyl`, so that the program run from the build
# tree finds them beside itself. An installation puts them under
# share/kervazyl, which the program finds from <prefix>/bin.

set(KZ_ASSET_BUILD_DIR ${CMAKE_BINARY_DIR}/src/gui)
set(KZ_ASSET_INSTALL_DIR share/kervazyl)

# Sounds: short tones synthesised by a small tool, nothing recorded or fetched.
add_executable(kz_make_sounds ${CMAKE_SOURCE_DIR}/tools/make_sounds.cpp)
target_link_libraries(kz_make_sounds PRIVATE kz_settings)

set(kz_sound_files
    ${KZ_ASSET_BUILD_DIR}/start.wav
    ${KZ_ASSET_BUILD_DIR}/blikup.wav
    ${KZ_ASSET_BUILD_DIR}/coins.wav)
add_custom_command(
  OUTPUT ${kz_sound_files}
  COMMAND kz_make_sounds ${KZ_ASSET_BUILD_DIR}
  DEPENDS kz_make_sounds
  COMMENT "Generating the program's sounds"
  VERBATIM)

# Help pages, copied one by one so that an edited page is copied again.
file(GLOB kz_help_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/Help/*)
set(kz_help_files)
foreach(source IN LISTS kz_help_sources)
  get_filename_component(name ${source} NAME)
  set(copy ${KZ_ASSET_BUILD_DIR}/Help/${name})
  add_custom_command(
    OUTPUT ${copy}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${KZ_ASSET_BUILD_DIR}/Help
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${source} ${copy}
    DEPENDS ${source}
    VERBATIM)
  list(APPEND kz_help_files ${copy})
endforeach()

add_custom_target(kz_assets ALL DEPENDS ${kz_sound_files} ${kz_help_files})

if(TARGET kervazyl)
  add_dependencies(kervazyl kz_assets)

  install(FILES ${kz_sound_files} DESTINATION ${KZ_ASSET_INSTALL_DIR})
  install(FILES ${kz_help_sources} DESTINATION ${KZ_ASSET_INSTALL_DIR}/Help)
  install(FILES ${CMAKE_SOURCE_DIR}/data/kervazyl.desktop DESTINATION share/applications)
  install(FILES ${CMAKE_SOURCE_DIR}/data/kervazyl-mime.xml
          DESTINATION share/mime/packages RENAME kervazyl.xml)
  install(FILES ${CMAKE_SOURCE_DIR}/data/kervazyl.svg
          DESTINATION share/icons/hicolor/scalable/apps)

  if(KZ_BUILD_TESTS)
    # Started from an installed bin/ folder by the installation test: reports
    # where the program would find its assets and which of them it finds.
    add_executable(kz_asset_probe ${CMAKE_SOURCE_DIR}/tests/install/gui/AssetProbe.cpp)
    target_link_libraries(kz_asset_probe PRIVATE kz_gui)
  endif()
endif()

# The test program of tests/install is made by tests/CMakeLists.txt, after
# this file is read; it learns the folders and waits for the assets here once
# every folder has been read.
function(kz_wire_install_tests)
  if(NOT TARGET kz_install_tests)
    return()
  endif()
  target_compile_definitions(kz_install_tests PRIVATE
    KZ_ASSET_BUILD_DIR="${KZ_ASSET_BUILD_DIR}/"
    KZ_BUILD_DIR="${CMAKE_BINARY_DIR}"
    KZ_CMAKE_COMMAND="${CMAKE_COMMAND}")
  add_dependencies(kz_install_tests kz_assets)
  if(TARGET kervazyl AND TARGET kz_asset_probe)
    target_compile_definitions(kz_install_tests PRIVATE
      KZ_ASSET_PROBE="$<TARGET_FILE:kz_asset_probe>")
    add_dependencies(kz_install_tests kervazyl kervazyl-cli kz_asset_probe)
  endif()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL kz_wire_install_tests)
