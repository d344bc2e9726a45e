# Sonorix as a Linux desktop application: the version it reports, its window
# icon, the install rules (any prefix) and the Debian package.
#
# Installed tree, fixed so that the program can find its shared data beside
# itself and its driver library through a RUNPATH relative to itself:
#   bin/sonorix                      (RUNPATH $ORIGIN/../lib/<multiarch>/sonorix)
#   lib/<multiarch>/sonorix/libMidiway.so
#   share/sonorix/ftclass.dat, readme.txt (and its translations readme.<ll>.txt)
#   share/applications, share/metainfo, share/icons/hicolor, share/man/man1,
#   share/doc/sonorix

set(SONORIX_APP_ID org.sonorix.sonorix)
set(SONORIX_DESKTOP_DIR ${CMAKE_SOURCE_DIR}/desktop)
set(SONORIX_ICON_SIZES 48 128 256)

target_compile_definitions(sonorix PRIVATE SONORIX_VERSION="${PROJECT_VERSION}")

# The window icon is built into the program, so it shows from the build tree
# too. PNG only: Qt needs an extra plugin for SVG.
set(icon_files "")
foreach(size ${SONORIX_ICON_SIZES})
  list(APPEND icon_files ${SONORIX_DESKTOP_DIR}/icons/${SONORIX_APP_ID}-${size}.png)
endforeach()
qt_add_resources(sonorix_app sonorix_icons PREFIX /icons BASE ${SONORIX_DESKTOP_DIR}/icons FILES ${icon_files})

# Debian wants manual pages and changelogs compressed, without time stamps.
function(sonorix_gzip source output)
  add_custom_command(OUTPUT ${output}
    COMMAND sh -c "gzip -9n < \"$1\" > \"$2\"" sh ${source} ${output}
    DEPENDS ${source} VERBATIM)
endfunction()
set(gz_dir ${CMAKE_BINARY_DIR}/desktop)
file(MAKE_DIRECTORY ${gz_dir})
set(man_pages sonorix.1)
list(APPEND man_pages sonorix-class.1)
foreach(tool sonorix-smfplay sonorix-smfrecord)
  if(TARGET ${tool})
    list(APPEND man_pages ${tool}.1)
  endif()
endforeach()
set(gz_files ${gz_dir}/changelog.gz)
sonorix_gzip(${SONORIX_DESKTOP_DIR}/debian/changelog ${gz_dir}/changelog.gz)
foreach(page ${man_pages})
  sonorix_gzip(${SONORIX_DESKTOP_DIR}/${page} ${gz_dir}/${page}.gz)
  list(APPEND gz_files ${gz_dir}/${page}.gz)
endforeach()
add_custom_target(sonorix_desktop_files ALL DEPENDS ${gz_files})

# --- install rules -----------------------------------------------------------
# The driver library is the program's own: a folder of its own under the
# multiarch library folder (Debian's place for private libraries, and one the
# package's ldconfig need not know).
if(CMAKE_LIBRARY_ARCHITECTURE)
  set(private_libdir lib/${CMAKE_LIBRARY_ARCHITECTURE}/sonorix)
else()
  set(private_libdir lib/sonorix)
endif()
set_target_properties(sonorix PROPERTIES INSTALL_RPATH "$ORIGIN/../${private_libdir}")
set_target_properties(Midiway PROPERTIES INSTALL_RPATH "")
install(TARGETS sonorix RUNTIME DESTINATION bin)
install(TARGETS Midiway LIBRARY DESTINATION ${private_libdir} NAMELINK_SKIP)
# The MIDI file tools load the same driver library.
foreach(tool sonorix-smfplay sonorix-smfrecord)
  if(TARGET ${tool})
    set_target_properties(${tool} PROPERTIES INSTALL_RPATH "$ORIGIN/../${private_libdir}")
    install(TARGETS ${tool} RUNTIME DESTINATION bin)
  endif()
endforeach()

# The teacher's command for class logs.
install(TARGETS sonorix-class RUNTIME DESTINATION bin)

install(FILES ${CMAKE_SOURCE_DIR}/data/ftclass.dat ${CMAKE_SOURCE_DIR}/data/readme.txt DESTINATION share/sonorix)
foreach(language de es fr it)
  install(FILES ${CMAKE_SOURCE_DIR}/data/readme.${language}.txt DESTINATION share/sonorix)
endforeach()
install(FILES ${SONORIX_DESKTOP_DIR}/${SONORIX_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${SONORIX_DESKTOP_DIR}/${SONORIX_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${SONORIX_DESKTOP_DIR}/icons/${SONORIX_APP_ID}.svg DESTINATION share/icons/hicolor/scalable/apps)
foreach(size ${SONORIX_ICON_SIZES})
  install(FILES ${SONORIX_DESKTOP_DIR}/icons/${SONORIX_APP_ID}-${size}.png
    DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME ${SONORIX_APP_ID}.png)
endforeach()
foreach(page ${man_pages})
  install(FILES ${gz_dir}/${page}.gz DESTINATION share/man/man1)
endforeach()
if(TARGET test_desktop)
  target_compile_definitions(test_desktop PRIVATE SONORIX_PRIVATE_LIBDIR="${private_libdir}")
  # Its install tree holds them, so they must be built before it runs.
  add_dependencies(test_desktop sonorix-smfplay sonorix-smfrecord)
endif()
install(FILES ${SONORIX_DESKTOP_DIR}/debian/copyright ${gz_dir}/changelog.gz DESTINATION share/doc/sonorix)

# --- the Debian package: cpack -G DEB in the Release build -------------------
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sonorix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Sonorix")
set(CPACK_PACKAGE_CONTACT "Sonorix Developers <sonorix@sonorix.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "ear training for trichord and tetrachord set classes")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${SONORIX_DESKTOP_DIR}/debian/description)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Library dependencies come from the binaries; the SoundFont is read at run
# time, so no binary names it; so is DejaVu Sans Mono, the score window's
# fallback for its columns, and FreeSerif, the clefs and accidentals of "What I
# Heard". Qt's X11 platform plugin comes with its GUI
# library; the Wayland one is a package of its own.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "timgm6mb-soundfont, fonts-dejavu-core, fonts-freefont-ttf")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
# A remembered class password goes to the keyring when one answers (QtKeychain,
# a library the binaries name); without one, to a file of the account's own.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "gnome-keyring")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_SOURCE_IGNORE_FILES "/build-" "/\\\\.git/")
include(CPack)
