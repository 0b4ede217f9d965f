# Installation and the Debian package (`make package`): the program and the tool in
# bin/, the data files in share/kvarzen/ (where the programs look for them when they
# do not lie beside them), the desktop entry, the document type, the icon and the
# manual pages.

include(GNUInstallDirs)
set(KVZ_SHARE_DIR ${CMAKE_INSTALL_DATADIR}/kvarzen)

install(TARGETS kvarzen-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET kvarzen)
  install(TARGETS kvarzen RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
# The print module, loaded by the program at run time from lib/kvarzen/.
if(TARGET kvz_print_module)
  install(TARGETS kvz_print_module LIBRARY DESTINATION lib/kvarzen)
endif()

install(FILES ${KVZ_DATA_FILES} DESTINATION ${KVZ_SHARE_DIR})
if(EXISTS ${CMAKE_SOURCE_DIR}/data/help)
  install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/help DESTINATION ${KVZ_SHARE_DIR})
endif()
if(TARGET kvz_example)
  install(FILES ${CMAKE_BINARY_DIR}/bin/example.qz5 DESTINATION ${KVZ_SHARE_DIR})
endif()

# Manual pages: the tool's from its own help texts, the window's written by hand.
set(KVZ_MAN_DIR ${CMAKE_BINARY_DIR}/man)
add_custom_command(OUTPUT ${KVZ_MAN_DIR}/kvarzen-cli.1.gz ${KVZ_MAN_DIR}/kvarzen.1.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${KVZ_MAN_DIR}
  COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:kvarzen-cli> -DOUT=${KVZ_MAN_DIR}/kvarzen-cli.1
          -P ${CMAKE_SOURCE_DIR}/tools/make_manpage.cmake
  COMMAND gzip -9nf ${KVZ_MAN_DIR}/kvarzen-cli.1
  COMMAND gzip -9nc ${CMAKE_SOURCE_DIR}/packaging/kvarzen.1 > ${KVZ_MAN_DIR}/kvarzen.1.gz
  DEPENDS kvarzen-cli ${CMAKE_SOURCE_DIR}/tools/make_manpage.cmake ${CMAKE_SOURCE_DIR}/packaging/kvarzen.1
  VERBATIM)
add_custom_target(kvz_man ALL DEPENDS ${KVZ_MAN_DIR}/kvarzen-cli.1.gz ${KVZ_MAN_DIR}/kvarzen.1.gz)
install(FILES ${KVZ_MAN_DIR}/kvarzen-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

if(TARGET kvarzen)
  install(FILES ${KVZ_MAN_DIR}/kvarzen.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/kvarzen.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/kvarzen-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
          RENAME kvarzen.xml)

  # The window's own picture at the sizes desktops ask for.
  set(KVZ_ICON_SIZES 16 22 24 32 48 64 128 256)
  set(KVZ_ICON_DIR ${CMAKE_BINARY_DIR}/icons)
  add_executable(kvz_render_program_icon ${CMAKE_SOURCE_DIR}/tools/ui/render_program_icon.cpp)
  target_link_libraries(kvz_render_program_icon PRIVATE kvz_gui)
  set(KVZ_ICON_FILES)
  foreach(size ${KVZ_ICON_SIZES})
    list(APPEND KVZ_ICON_FILES ${KVZ_ICON_DIR}/${size}x${size}/apps/kvarzen.png)
  endforeach()
  # A sanitized build of the drawing tool must not fail the build over Qt's own leaks.
  add_custom_command(OUTPUT ${KVZ_ICON_FILES}
    COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
            $<TARGET_FILE:kvz_render_program_icon> ${KVZ_ICON_DIR} ${KVZ_ICON_SIZES}
    DEPENDS kvz_render_program_icon)
  add_custom_target(kvz_icons ALL DEPENDS ${KVZ_ICON_FILES})
  install(DIRECTORY ${KVZ_ICON_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kvarzen)
set(CPACK_PACKAGE_VENDOR "Орвелт")
set(CPACK_PACKAGE_CONTACT "Орвелт <support@orvelt.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Кварзен 2015: декларация 3-НДФЛ и 4-НДФЛ за 2015 год")
# The first line of the package's description is the summary above.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Программа для подготовки декларации по налогу на доходы физических лиц за 2015
год: ввод условий, сведений о налогоплательщике, доходов и вычетов, расчет всех
листов и налога к уплате или возврату, проверка, документы .qz5, XML-файл для
налоговой службы. kvarzen-cli делает то же из командной строки, в том числе для
многих документов за один запуск.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(TARGET kvarzen)
  # The window needs a platform plugin, which no library of the program links.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2")
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
endif()
include(CPack)
